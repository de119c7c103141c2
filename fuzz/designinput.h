#pragma once

// A real design from fuzzer bytes, as the window could hold one or as no window could: field
// texts typed or made of any bytes, periods and constants anywhere in the doubles.

#include "check.h"
#include "calc/numbertext.h"
#include "calc/precision.h"
#include "calc/realdesign.h"
#include "calc/realtiming.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace fuzz {

// Half the time a value a user could type, else any double (NaN, infinities, subnormals too).
inline double anyDouble(FuzzedDataProvider &input, double low, double high)
{
    if (input.ConsumeBool())
        return input.ConsumeFloatingPointInRange(low, high);
    return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
}

// A field text: a number as the program writes it, or any bytes but a line break (the fields
// hold one line).
inline std::string fieldText(FuzzedDataProvider &input, double low, double high, char separator)
{
    if (input.ConsumeBool())
        return calc::formatGeneral(input.ConsumeFloatingPointInRange(low, high), separator);
    std::string text = input.ConsumeRandomLengthString(24);
    for (char &c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

inline calc::RealDesign designFrom(FuzzedDataProvider &input)
{
    calc::RealDesign design;
    design.separator = input.ConsumeBool() ? ',' : '.';
    // Zone A reads its fields with the leading-number rule: finite, of either sign.
    design.T = anyDouble(input, 0, 1e6);
    design.T1 = anyDouble(input, 0, 1e6);
    for (double *seconds : {&design.T, &design.T1})
        if (!std::isfinite(*seconds))
            *seconds = 0;
    design.talonText = fieldText(input, 0, 10000, design.separator);
    design.potentiometerText = fieldText(input, 0, 1000, design.separator);
    design.capacitorText = fieldText(input, 0, 5000, design.separator);
    design.pattern = input.ConsumeIntegralInRange(0, 8191);
    // The constant comes from the settings, always finite and positive.
    const double K = std::fabs(anyDouble(input, 1e-7, 1e-4));
    design.K = std::isfinite(K) && K > 0 ? K : 2.8e-6;
    design.Pas_Serie = input.ConsumeIntegralInRange(1, 2);
    design.Mode_Affichage = input.PickValueInArray({0, 3, 4, 5});
    design.shown = calc::realTiming(design.talonText, design.potentiometerText, design.capacitorText,
                                    design.pattern, design.K, design.Mode_Affichage, design.separator);
    return design;
}

inline std::string describe(const calc::RealDesign &d)
{
    return "T " + calc::formatGeneral(d.T, '.') + " T1 " + calc::formatGeneral(d.T1, '.') + " talon "
           + visible(d.talonText) + " pot " + visible(d.potentiometerText) + " C " + visible(d.capacitorText)
           + " motif " + std::to_string(d.pattern) + " K " + calc::formatGeneral(d.K * 1e8, '.') + "e-8 serie "
           + std::to_string(d.Pas_Serie) + " mode " + std::to_string(d.Mode_Affichage) + " sep "
           + d.separator;
}

// A text the user sees: no "nan", "inf" or "?" for a value no double holds.
inline bool readable(const std::string &text)
{
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos
           && text.find('?') == std::string::npos;
}

} // namespace fuzz
