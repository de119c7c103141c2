#include "calc/realdesign.h"

#include "calc/entry.h"
#include "calc/numbertext.h"

namespace calc {

double RealDesign::resistance() const { return readNumber(potentiometerText) + readNumber(talonText); }

double RealDesign::capacitance() const { return readNumber(capacitorText); }

// Same order of products as the real timing, so both agree to the last bit.
double RealDesign::oscillatorPeriod() const { return capacitance() * resistance() * K; }

double RealDesign::realPeriod() const { return oscillatorPeriod() * CountsPerPeriod; }

double RealDesign::realPulse() const { return static_cast<double>(pattern) * oscillatorPeriod(); }

bool RealDesign::hasParts() const { return resistance() > 0 && capacitance() > 0; }

} // namespace calc
