#include "settings/systemlocale.h"

#include <QLocale>

namespace Commun {

char systemDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

} // namespace Commun
