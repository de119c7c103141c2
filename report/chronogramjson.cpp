#include "report/chronogram.h"

#include "report/keys.h"

#include "calc/chronogram.h"

namespace report {

// Keys in sorted order, as QJsonObject writes them.
void writeChronogram(JsonWriter &json, const calc::RealDesign &design)
{
    const calc::Chronogram c = calc::chronogram(design);
    json.beginObject();
    if (!(c.P > 0)) {
        json.endObject();
        return;
    }
    json.key(key::impulsions).beginArray();
    const calc::Lane led{calc::Signal::Led, 0};
    for (const calc::Interval &pulse : calc::highIntervals(c, led, 0, 2 * c.period(), 0, 8))
        json.beginArray().number(pulse.begin).number(pulse.end).endArray();
    json.endArray().key(key::periode_oscillateur).number(c.P).key(key::sorties).beginArray();
    for (const calc::Lane &lane : calc::lanes(c))
        if (lane.signal == calc::Signal::Output) {
            const double period = calc::outputPeriod(c, lane.output);
            json.beginObject()
                .key(key::periode).number(period)
                .key(key::premier_front).number(period / 2)
                .key(key::sortie).integer(lane.output)
                .endObject();
        }
    json.endArray().endObject();
}

} // namespace report
