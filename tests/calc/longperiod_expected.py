#!/usr/bin/env python3
"""Expected figures of the long-period rows of tests/calc/longperiod_test.cpp, in exact rational
arithmetic, written apart from the C++ code: counts are searched one by one, not built bit by bit.
Run it and compare with the table of the test."""
from fractions import Fraction as F

E24 = "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1".split()
TRIMMERS = [F(x) for x in "1 2.2 4.7 10 22 47 100 220 470 1000".split()]
CAPS = [F(m) for m in "1.0 1.2 1.5 2.2 2.7 3.3 3.9 4.7 6.8 8.2".split()]
COUNTERS = {"CD4040": (12, set(range(1, 13))), "CD4020": (14, {1} | set(range(4, 15))),
            "CD4060": (14, set(range(4, 11)) | {12, 13, 14})}
FIRST = set(range(4, 11)) | {12, 13, 14}


def series(e12):
    return sorted(F(m) * 10**d for d in range(4) for m in (E24[::2] if e12 else E24))  # 1 k to 9.1 M


def pinned(counter, s):
    return s in FIRST if s <= 14 else (s - 14) in COUNTERS[counter][1]


def allowed(counter, top):
    return sum(1 << (s - 1) for s in range(1, top) if pinned(counter, s))


def nearest(counter, top, x):
    mask = allowed(counter, top)
    ok = lambda n: n >= 1 and n & ~mask == 0
    down, up = int(x), int(x) + 1
    while down >= 1 and not ok(down):
        down -= 1
    while up < 1 << (top - 1) and not ok(up):
        up += 1
    cands = [n for n in (down if down >= 1 else None, up if ok(up) else None) if n]
    return min(cands, key=lambda n: (abs(n - x), n))


def snap(c):
    if c < F("0.47"):
        return F("0.47")
    if c > 1000:
        return F(1000)
    d = F(1)
    while c / d >= 10 and c / d != 10:
        d *= 10
    if c < 1:
        d = F(1, 10)
    return min((m * d for m in CAPS), key=lambda v: (abs(v - c), v))


def design(T, T1, counter="CD4040", stage=None, e12=False, K=F(28, 10**7), tol=(5, 10, 10, 20)):
    T, T1 = F(T), F(T1)
    last = 14 + COUNTERS[counter][0]
    c150 = lambda s: T / 2**s / 150000 * 1000 / K
    tops = [s for s in range(15, last + 1) if pinned(counter, s)]  # the flip-flop needs a pin
    films = [s for s in tops if 10 <= c150(s) <= 470]
    err = lambda s: abs(nearest(counter, s, T1 / (T / 2**s)) * T / 2**s - T1)
    if films:
        S = min(films, key=lambda s: (err(s), -s))
    else:
        S = min(tops, key=lambda s: (max(10 / c150(s), c150(s) / 470), -s))
    S = stage or S
    P = T / 2**S
    C2 = snap(c150(S))
    R2 = P / C2 / K
    n = nearest(counter, S, T1 / P)
    r, c, k, p = (F(x, 100) for x in tol)
    low, high = R2 / ((1 + c) * (1 + k)), R2 / ((1 - c) * (1 - k))
    fits = [t for t in series(e12) if t * (1 + r) <= low]
    talon = fits[-1] if fits else 0
    trim = next((P_ for P_ in TRIMMERS if fits and talon * (1 - r) + P_ * (1 - p) >= high), None)
    advised = trim is not None
    if not advised:
        trim = next((P_ for P_ in TRIMMERS if P_ >= R2 - talon), 0)
    return S, float(C2), float(R2), n, float(talon), float(trim), advised


ROWS = [("half_day_cd4040", 43200, 60), ("day_cd4040", 86400, 60), ("two_days_cd4020", 172800, 120, "CD4020"),
        ("week_cd4060", 604800, 600, "CD4060"), ("month_cd4020", 2592000, 3600, "CD4020"),
        ("day_chosen_stage", 86400, 60, "CD4040", 20), ("day_finest_pulse", 86400, 0.7),
        ("day_near_half", 86400, 43170), ("e12_day", 86400, 60, "CD4040", None, True),
        ("month_top_stage", 2592000, 3600, "CD4020", 28), ("minute_cd4060", 60, 1, "CD4060")]

if __name__ == "__main__":
    for name, *args in ROWS:
        print(name, design(*args))
