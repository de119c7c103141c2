#include "calc/realdesign.h"

#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/tables.h"

#include <cmath>

namespace calc {

int RealDesign::topStage() const { return cascade ? cascade->stage : 14; }

double RealDesign::countsPerPeriod() const { return std::ldexp(1.0, topStage()); }

bool RealDesign::stageHasPin(int stage) const
{
    if (cascade)
        return calc::stageHasPin(cascade->counter, stage) && stage <= cascade->stage;
    return stage >= 1 && stage <= 14 && !isPinless(stage);
}

double RealDesign::resistance() const { return readNumber(potentiometerText) + readNumber(talonText); }

double RealDesign::capacitance() const { return readNumber(capacitorText); }

// Same order of products as the real timing, so both agree to the last bit.
double RealDesign::oscillatorPeriod() const { return capacitance() * resistance() * K; }

double RealDesign::realPeriod() const { return oscillatorPeriod() * countsPerPeriod(); }

double RealDesign::realPulse() const { return static_cast<double>(pattern) * oscillatorPeriod(); }

bool RealDesign::hasParts() const { return resistance() > 0 && capacitance() > 0; }

} // namespace calc
