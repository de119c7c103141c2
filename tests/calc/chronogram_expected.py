#!/usr/bin/env python3
"""Expected intervals of tests/calc/chronogram_test.cpp, by stepping the circuit count by count.

Written apart from the C++ code: the counter, the diode AND and the flip-flop are simulated one
oscillator period at a time (half periods for the oscillator), then the high stretches are cut to
the window. Times in oscillator periods. Run it and compare with the table of the test."""

PINLESS = {1, 2, 3, 11}
# A second counter's stages without a pin (its own numbers); stage 14 + j is its Qj.
SECOND_PINLESS = {"CD4040": set(), "CD4020": {2, 3}, "CD4060": {1, 2, 3, 11}}
TOP, COUNTER = 14, None  # the stage that clocks the flip-flop, the second counter


def has_pin(m):
    return m not in PINLESS if m <= 14 else m - 14 not in SECOND_PINLESS[COUNTER]


def wired(marks):
    return sum(1 << (m - 1) for m in range(1, TOP) if marks >> (m - 1) & 1 and has_pin(m))


def levels(lane, marks, end, slow_from=0):
    """Level of the lane in each oscillator period up to `end` (half periods for the oscillator)."""
    n = wired(marks)
    slow = sum(1 << b for b in range(TOP) if n >> b & 1 and (1 << b) >= slow_from)
    out, q = [], 1  # the power-on pulse sets the flip-flop
    top_before = 0
    for c in range(end):
        if lane == "osc":
            out += [0, 1]
        elif lane.startswith("Q"):
            out.append(c >> (int(lane[1:]) - 1) & 1)
        elif lane == "diodes":
            mask = slow if slow_from else n  # no diode at all: the pull-up holds the line high
            out.append(int(c & mask == mask))
        else:
            top_now = c >> (TOP - 1) & 1
            if top_now and not top_before:
                q = 1  # the top stage rises, D high
            top_before = top_now
            if n and c & n == n:
                q = 0  # the diode line resets it
            out.append(q if n else 0)
    return out


def intervals(lane, marks, lo, hi, resolution=0, limit=100):
    step = 0.5 if lane == "osc" else 1
    seq = levels(lane, marks, int(hi) + 2, resolution)
    found, start = [], None
    for i, level in enumerate(seq + [0]):
        t = i * step
        if level and start is None:
            start = t
        if not level and start is not None:
            b, e = max(start, lo), min(t, hi)
            if b < e:
                found.append((b, e))
            start = None
    # Seen at `resolution`, outputs faster than it only chop the slower ones' runs.
    n = wired(marks)
    dense = resolution > 0 and lane == "diodes" and any(n >> b & 1 and (1 << b) < resolution for b in range(TOP))
    return [(b, e, dense) for b, e in found[:limit]]


ROWS = [
    ("led_q12_two_periods", "Led", 2048, 0, 32768),
    ("q14_two_periods", "Q14", 2048, 0, 32768),
    ("q14_cut_by_the_window", "Q14", 2048, 10000, 30000),
    ("diodes_q12_around_the_pulse", "diodes", 2048, 8000, 10500),
    ("led_every_mark", "Led", 8191, 0, 32768),
    ("diodes_every_mark", "diodes", 8191, 7000, 8200),
    ("led_pinless_and_q5", "Led", 1 | 16, 0, 32768),
    ("led_no_mark", "Led", 0, 0, 32768),
    ("diodes_no_mark", "diodes", 0, 100, 200),
    ("led_pinless_only", "Led", 1024, 0, 32768),
    ("q11_pinless_only", "Q11", 1024, 0, 5000),
    ("oscillator", "osc", 0, 0.25, 3),
    ("q1_limited", "Q1", 1, 0, 1000, 0, 3),
    ("diodes_q4_q12_coarse", "diodes", 2056, 0, 16384, 100),
]

for name, lane, marks, lo, hi, *rest in ROWS:
    print(name, intervals(lane, marks, lo, hi, *rest))

# Two counters: a CD4040 whose Q6 (stage 20) clocks the flip-flop, marks on Q4 of the CD4060 and
# Q2 of the CD4040; a CD4020, whose Q2 has no pin, up to its Q14 (stage 28).
TOP, COUNTER = 20, "CD4040"
for name, lane, marks, lo, hi, *rest in [
        ("cascade_led_two_periods", "Led", 8 | 1 << 15, 0, 1 << 21),
        ("cascade_top_stage", "Q20", 8 | 1 << 15, 0, 1 << 21),
        ("cascade_diodes_around_the_pulse", "diodes", 8 | 1 << 15, (1 << 19) - 20, (1 << 19) + 32800)]:
    print(name, intervals(lane, marks, lo, hi, *rest))
TOP, COUNTER = 28, "CD4020"
# Stepping 2^28 counts is too long here: the window starts just before the second pulse, whose
# counts from 2^27 on repeat those from 0, so stepping from 0 and shifting by 2^27 is the same.
for name, lane, marks, lo, hi, shift in [
        ("cascade_led_pinless_cd4020", "Led", 1 << 15 | 1 << 17 | 1 << 19, 0, 700000, 1 << 27)]:
    print(name, [(b + shift, e + shift, d) for b, e, d in intervals(lane, marks, lo, hi)])
