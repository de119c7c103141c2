#pragma once

#include "calc/entry.h"
#include "calc/cascade.h"
#include "calc/realdesign.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace calc {

// The circuit of the design sheet over time, time 0 at power-on. The counter (the CD4060, then
// the second counter's stages above its Q14) counts the periods P of the oscillator: stage m is
// bit m-1 of the count. The diodes on the marked stages that have a pin hold their line low until
// all of those stages are high; the line resets the CD4013 half, which the top stage's rising edge
// sets again (D high) and whose output drives the LED. The power-on pulse sets it too, so the
// LED lights at once.
struct Chronogram {
    bool designed = false;    // the design has parts (RealDesign::hasParts)
    double P = 0;             // seconds; 0: nothing to draw (no parts, or periods beyond range)
    int top = 14;             // the stage that clocks the flip-flop: T = 2^top x P
    std::optional<Cascade> cascade; // the second counter, when there is one
    std::uint64_t marks = 0;  // bit m-1: stage m marked "On", stages below `top` only
    std::uint64_t wired = 0;  // the marks with a pin, all the diode line sees: the pulse is wired x P
    double longestPeriod = 0; // seconds: this C2 with the largest R the data-sheet rules allow
    int Mode_Affichage = 4;
    char separator = '.';
    Notation notation = Notation::French;

    double period() const { return std::ldexp(P, top); }
    double pulse() const { return P * static_cast<double>(wired); }
    // Stage m (1 to top) brings out a pin, on the CD4060 or on the second counter.
    bool hasPin(int stage) const;
};

Chronogram chronogram(const RealDesign &design);

// The largest total resistance, kilohms, within R <= 1 MΩ and Rs >= 2 x R.
double largestRuledResistance();

enum class Signal { Oscillator, Output, DiodeLine, Led };

struct Lane {
    Signal signal = Signal::Oscillator;
    int output = 0; // stage m, 1 to the top stage, for Signal::Output
};

// Top to bottom: the oscillator, each marked stage in increasing order, the top stage (Q14 of
// the CD4060 alone), the diode line, the LED.
std::vector<Lane> lanes(const Chronogram &chronogram);

struct Interval {
    double begin = 0; // seconds since power-on
    double end = 0;
    bool dense = false; // edges closer than the resolution asked for: high and low by turns
};

// When `lane` is high within [from, to], in time order, cut to the window. Seen at `resolution`
// seconds (0: exact), a stretch whose edges come closer than that is one dense interval, so the
// count stays below (to - from) / resolution + 2. At most `limit` intervals.
std::vector<Interval> highIntervals(const Chronogram &chronogram, Lane lane, double from, double to,
                                    double resolution, std::size_t limit);

// Stage m, 1 to the top stage: high from half this period for half of it, then again every period.
double outputPeriod(const Chronogram &chronogram, int output);

} // namespace calc
