#include "settings/parametres.h"

#include "settings/commun_p.h"
#include "calc/numbertext.h"

#include <array>
#include <cmath>

namespace Commun {

namespace {

const QString Section = QStringLiteral("parametres");

double number(const QString &text)
{
    return calc::leadingNumber(text.toStdString());
}

double roundHalfToEven(double value)
{
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

// Only these work; anything else (a hand-edited file) takes the default rather than leaving the
// window with no series or no display mode.
int series(const QString &text)
{
    const double value = roundHalfToEven(number(text));
    return value == 1.0 || value == 2.0 ? int(value) : Parametres().Pas_Serie;
}

int displayMode(const QString &text)
{
    const double value = roundHalfToEven(number(text));
    return value >= 0.0 && value <= 5.0 ? int(value) : Parametres().Mode_Affichage;
}

double constantOf(const QString &text)
{
    return number(text) / 1e8;
}

bool isWorkingConstant(double constant)
{
    return std::isfinite(constant) && constant > 0.0;
}

} // namespace

Parametres Lire_Parametres(const QString &file)
{
    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    auto read = [&document](const char *key, const QString &defaultValue) {
        return detail::readValue(document, Section, QLatin1String(key), defaultValue);
    };
    const Parametres defaults;
    Parametres p;
    p.Pas_Serie = series(read("E12E24", QString::number(defaults.Pas_Serie)));
    p.Mode_Affichage = displayMode(read("Significatif", QString::number(defaults.Mode_Affichage)));
    p.Valeur_T1 = read("Valeur_T1", defaults.Valeur_T1).replace(QLatin1Char(','), QLatin1Char('.'));
    p.Valeur_T = read("Valeur_T", defaults.Valeur_T).replace(QLatin1Char(','), QLatin1Char('.'));
    const QString k4060 = read("K4060", defaults.texteK4060);
    if (isWorkingConstant(constantOf(k4060))) {
        p.Constante_K4060 = constantOf(k4060);
        p.texteK4060 = k4060;
    }
    return p;
}

QList<EntreeINI> Entrees_Parametres(const Parametres &p)
{
    QString k4060;
    if (!p.texteK4060.isEmpty() && constantOf(p.texteK4060) == p.Constante_K4060)
        k4060 = p.texteK4060;
    else if (isWorkingConstant(p.Constante_K4060))
        k4060 = QString::fromStdString(calc::formatGeneral(p.Constante_K4060 * 1e8, '.'));
    else
        k4060 = Parametres().texteK4060;
    return {{Section, QStringLiteral("E12E24"), QString::number(p.Pas_Serie)},
            {Section, QStringLiteral("Valeur_T"), p.Valeur_T},
            {Section, QStringLiteral("Valeur_T1"), p.Valeur_T1},
            {Section, QStringLiteral("K4060"), k4060},
            {Section, QStringLiteral("Significatif"), QString::number(p.Mode_Affichage)}};
}

namespace {

const QString PrecisionSection = QStringLiteral("precision");

// The keys of the four tolerances, each with its member.
struct ToleranceKey {
    const char *key;
    double calc::Tolerances::*member;
};
constexpr std::array<ToleranceKey, 4> ToleranceKeys = {
    ToleranceKey{"Tolerance_R", &calc::Tolerances::r}, ToleranceKey{"Tolerance_C", &calc::Tolerances::c},
    ToleranceKey{"Dispersion_K", &calc::Tolerances::k},
    ToleranceKey{"Tolerance_Ajustable", &calc::Tolerances::p}};

QString general(double value) { return QString::fromStdString(calc::formatGeneral(value, '.')); }

} // namespace

calc::Tolerances Lire_Precision(const QString &file)
{
    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    const calc::Tolerances defaults;
    calc::Tolerances tolerances;
    for (const ToleranceKey &key : ToleranceKeys) {
        const double value = number(detail::readValue(document, PrecisionSection, QLatin1String(key.key),
                                                      general(defaults.*key.member)));
        tolerances.*key.member = calc::isTolerance(value) ? value : defaults.*key.member;
    }
    return tolerances;
}

QList<EntreeINI> Entrees_Precision(const calc::Tolerances &tolerances, const QString &file)
{
    const calc::Tolerances defaults;
    QList<EntreeINI> entries;
    bool changed = false;
    for (const ToleranceKey &key : ToleranceKeys) {
        const double value = tolerances.*key.member;
        changed = changed || (calc::isTolerance(value) && value != defaults.*key.member);
        entries.append({PrecisionSection, QLatin1String(key.key),
                        general(calc::isTolerance(value) ? value : defaults.*key.member)});
    }
    if (changed)
        return entries;
    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    for (const ToleranceKey &key : ToleranceKeys)
        if (document.value(PrecisionSection, QString::fromLatin1(key.key)).has_value())
            return entries;
    return {};
}

namespace {

const QString RecentsSection = QStringLiteral("recents");

QString recentKey(int index) { return QStringLiteral("Fichier%1").arg(index + 1); }

} // namespace

QStringList Lire_Recents(const QString &file)
{
    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    QStringList recents;
    for (int i = 0; i < MaxRecents; ++i) {
        const QString path = detail::readValue(document, RecentsSection, recentKey(i), QString());
        if (!path.isEmpty() && !recents.contains(path))
            recents.append(path);
    }
    return recents;
}

QList<EntreeINI> Entrees_Recents(const QStringList &recents, const QString &file)
{
    if (recents.isEmpty()) {
        const IniDocument document = IniDocument::load(detail::settingsPath(file));
        bool present = false;
        for (int i = 0; i < MaxRecents && !present; ++i)
            present = document.value(RecentsSection, recentKey(i)).has_value();
        if (!present)
            return {};
    }
    QList<EntreeINI> entries;
    for (int i = 0; i < MaxRecents; ++i)
        entries.append({RecentsSection, recentKey(i), recents.value(i)});
    return entries;
}

void Ecrire_Parametres(const Parametres &parametres, const QString &file)
{
    Ecrire_INI(Entrees_Parametres(parametres), file);
}

} // namespace Commun
