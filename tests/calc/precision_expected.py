#!/usr/bin/env python3
"""Expected figures of tests/calc/precision_test.cpp, in exact rational arithmetic.

Written apart from the C++ code: run it and compare with the table of the test."""
from fractions import Fraction as F
from itertools import combinations
from math import sqrt

E24 = "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1".split()
CAPS = "1.0 1.2 1.5 2.2 2.7 3.3 3.9 4.7 6.8 8.2".split()
TRIMMERS = [F(x) for x in "1 2.2 4.7 10 22 47 100 220 470 1000".split()]
PINNED = [8, 16, 32, 64, 128, 256, 512, 2048, 4096]
# With a second counter, stage 14 + j is its Qj; the stages that bring out a pin.
SECOND = {"CD4040": set(range(1, 13)), "CD4020": {1} | set(range(4, 15)), "CD4060": set(range(4, 11)) | {12, 13, 14}}


def pinned_mask(counter, top):
    first = set(range(4, 11)) | {12, 13, 14}
    return sum(1 << (s - 1) for s in range(1, top) if (s in first if s <= 14 else s - 14 in SECOND[counter]))


def around(mask, x):
    """Counts searched one by one: the largest made of `mask` not above x, the smallest above."""
    ok = lambda n: n >= 1 and n & ~mask == 0
    down = int(x)
    while down >= 1 and not ok(down):
        down -= 1
    up = int(x) + 1
    while up <= mask and not ok(up):
        up += 1
    return max(down, 0), up if up <= mask else 0


def series(e12):
    mantissas = [F(m) for m in (E24[::2] if e12 else E24)]
    return sorted(m * 10**d for d in range(4) for m in mantissas)  # 1 k to 9.1 M


def rs(R):
    for below, value in ((25, 100), (50, 270), (100, 390), (200, 560)):
        if R < below:
            return value
    return 1000


def rules(R, C):
    return [10 <= R <= 1000, R >= 1, C > F("0.05"), rs(R) >= 2 * R]


def assess(name, T, T1, talon, pot, C, pattern, e12, K, tol=(5, 10, 10, 20), counter=None, top=14, measured=()):
    T, T1, R, C, K = F(T), F(T1), F(talon) + F(pot), F(C), F(K)
    r, c, k, p = (F(x, 100) for x in tol)
    osc = K * R * C
    counts = 2**top
    Treel, T1reel = counts * osc, pattern * osc
    out = {"errT": float(100 * (Treel - T) / T), "errT1": float(100 * (T1reel - T1) / T1),
           "worst": (float(Treel * (1 - r) * (1 - c) * (1 - k)), float(Treel * (1 + r) * (1 + c) * (1 + k))),
           "stat": tuple(Treel * (1 + s * sqrt(r * r + c * c + k * k)) for s in (-1, 1))}
    wanted = T / (counts * K * C)
    low, high = wanted / ((1 + c) * (1 + k)), wanted / ((1 - c) * (1 - k))
    fits = [t for t in series(e12) if t * (1 + r) <= low]
    if not fits:
        out["trim"] = "NoTalon"
    else:
        t = fits[-1]
        P = next((P for P in TRIMMERS if t * (1 - r) + P * (1 - p) >= high), None)
        if P is None:
            out["trim"] = ("NoTrimmer", float(t))
        else:
            out["trim"] = ("Found", float(t), float(P), float(wanted - t), float(100 * (wanted - t) / P),
                           float(counts * K * C * t), float(counts * K * C * (t + P)))
    x = T1 / osc
    if counter:
        out["pulses"] = around(pinned_mask(counter, top), x)
    else:
        sums = {sum(s) for n in range(1, 10) for s in combinations(PINNED, n)}
        out["pulses"] = (max([n for n in sums if n <= x], default=0), min([n for n in sums if n > x], default=0))
    sols = []
    for d in range(-1, 4):
        for m in CAPS:
            c2 = F(m) * F(10)**d
            if not F("0.47") <= c2 <= 1000:
                continue
            for tl in series(e12):
                if all(rules(tl, c2)):
                    Ts = counts * K * tl * c2
                    sols.append((abs(Ts - T) / T, c2, tl, Ts))
    sols.sort()
    out["solutions"] = [(float(s[1]), float(s[2])) for s in sols[:5]]
    out["best"] = float(100 * (sols[0][3] - T) / T)
    out["rules"] = rules(R, C)
    # K4060 calibrated from a measured T: K x 10^8 x measured / T_reel, to four significant digits.
    out["calibrated"] = [float(f"{float(K * 10**8 * F(m) / Treel):.3e}") for m in measured]
    print(name, out)


assess("one_hour_E12", 3600, 2, 180, 0, 470, 8, True, "2.8e-6")
assess("road_example_E24", 10, 1, 150, 0, 1.5, 2048, False, "2.8e-6")
assess("small_R_with_pot", 100, 5, "4.7", "0.5", 1000, 24, False, "2.8e-6")
assess("large_talon_small_C", 60, 3, 820, 0, "0.047", 4096 + 512, True, "2.2e-6", (1, 2, 10, 10))
assess("no_trimmer_big_enough", 1000000, 100, 9100, 0, 1, 8, False, "2.8e-6")
assess("no_talon_small_enough", "0.03", "0.01", 1, 0, 1000, 8, False, "2.8e-6")
assess("far_period_best_first", 10**13, 1, 100, 0, 10, 8, False, "2.8e-6")
# Two counters: the pattern is the nearer of the two pulses.
assess("cascade_day_CD4040", 86400, 60, 180, "3.9", 10, 11256, False, "2.8e-6", counter="CD4040", top=24,
       measured=(86400, 90000))
assess("cascade_week_CD4020", 604800, 3600, 150, "21.2", "4.7", 1597872, True, "2.8e-6", counter="CD4020", top=28,
       measured=(604800, 580000))
