#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace calc {

// The counter clocked by the CD4060's Q14. Its stage j is stage 14 + j of the combined counter.
enum class SecondCounter { CD4040, CD4020, CD4060 };
inline constexpr std::array<SecondCounter, 3> SecondCounters = {SecondCounter::CD4040, SecondCounter::CD4020,
                                                                SecondCounter::CD4060};

const char *counterName(SecondCounter counter); // "CD4040"
std::optional<SecondCounter> counterNamed(std::string_view name);
int stageCount(SecondCounter counter); // 12 for a CD4040, 14 for the others

inline constexpr int FirstTopStage = 15; // the smallest top stage: the second counter's Q1
int lastTopStage(SecondCounter counter);  // 14 + its stages
// Stage 1 to 14 + m of the combined counter brings out a pin.
bool stageHasPin(SecondCounter counter, int stage);

// A timer of two counters: the second counter and the top stage S that clocks the flip-flop,
// FirstTopStage <= S <= lastTopStage(counter). One period is 2^S oscillator periods.
struct Cascade {
    SecondCounter counter = SecondCounter::CD4040;
    int stage = FirstTopStage;

    bool operator==(const Cascade &) const = default;
};

} // namespace calc
