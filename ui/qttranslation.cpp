#include "ui/qttranslation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool loadQtTranslation(QTranslator &translator, const QLocale &language)
{
    // qtbase_fr.qm and its siblings: the Debian package qt6-translations-l10n puts them there.
    return translator.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
