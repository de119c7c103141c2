#include "calc/cascade.h"

#include "calc/tables.h"

namespace calc {

const char *counterName(SecondCounter counter)
{
    switch (counter) {
    case SecondCounter::CD4040:
        return "CD4040";
    case SecondCounter::CD4020:
        return "CD4020";
    case SecondCounter::CD4060:
        return "CD4060";
    }
    return "";
}

std::optional<SecondCounter> counterNamed(std::string_view name)
{
    for (SecondCounter counter : SecondCounters)
        if (name == counterName(counter))
            return counter;
    return std::nullopt;
}

int stageCount(SecondCounter counter) { return counter == SecondCounter::CD4040 ? 12 : 14; }

int lastTopStage(SecondCounter counter) { return 14 + stageCount(counter); }

bool stageHasPin(SecondCounter counter, int stage)
{
    if (stage < 1 || stage > lastTopStage(counter))
        return false;
    if (stage <= 14)
        return !isPinless(stage); // the first CD4060: no Q1, Q2, Q3, Q11
    const int j = stage - 14;
    switch (counter) {
    case SecondCounter::CD4040:
        return true;
    case SecondCounter::CD4020:
        return j == 1 || j >= 4;
    case SecondCounter::CD4060:
        return !isPinless(j);
    }
    return false;
}

} // namespace calc
