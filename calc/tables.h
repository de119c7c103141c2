#pragma once

#include <array>

namespace calc {

// Preferred capacitor mantissas; slots 1 to 10 are used, the others are 0 and never searched.
// Ten values on purpose: no 1.8, 5.6 or 10.
inline constexpr std::array<double, 27> Table_Condensateurs = {
    0, 1.0, 1.2, 1.5, 2.2, 2.7, 3.3, 3.9, 4.7, 6.8, 8.2, 0, 0, 0,
    0, 0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0, 0};

// E24 series (IEC 60063) in slots 1 to 24; the odd slots 1, 3, ..., 23 form the E12 series.
inline constexpr std::array<double, 27> Table_E24 = {
    0,   1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0, 3.3,
    3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1, 0,   0};

// Standard trimmer values, kilohms, increasing.
inline constexpr std::array<double, 10> Trimmers = {1, 2.2, 4.7, 10, 22, 47, 100, 220, 470, 1000};

inline constexpr int OutputCount = 13; // outputs Q1 to Q13 take part in the pulse count

// The CD4060 brings out no pin for Q1, Q2, Q3 and Q11.
constexpr bool isPinless(int output) { return output <= 3 || output == 11; }

} // namespace calc
