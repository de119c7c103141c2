#include "report/words.h"

#include <QCoreApplication>

namespace report {

namespace {

std::string translated(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

calc::Words words()
{
    return calc::Words{translated};
}

} // namespace report
