#include "report/conception.h"

#include "report/savefile.h"

#include "calc/cascade.h"
#include "calc/keyfilter.h"
#include "calc/road.h"
#include "calc/numbertext.h"
#include "calc/tables.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace report {

namespace {

// Keys of a design file, spelled once.
const QString Format = QStringLiteral("format"), Version = QStringLiteral("version"), Nom = QStringLiteral("nom"),
              T = QStringLiteral("T"), T1 = QStringLiteral("T1"), Serie = QStringLiteral("serie"),
              K4060 = QStringLiteral("K4060"), Tolerances = QStringLiteral("tolerances"),
              Composants = QStringLiteral("composants"), C2 = QStringLiteral("C2"), Talon = QStringLiteral("talon"),
              Potentiometre = QStringLiteral("potentiometre"), Sorties = QStringLiteral("sorties"),
              Note = QStringLiteral("note"), Montage = QStringLiteral("montage"), Type = QStringLiteral("type"),
              Compteur2 = QStringLiteral("compteur2"), Etage = QStringLiteral("etage");
const QString FormatName = QStringLiteral("chronalys-cd4060"), CascadeType = QStringLiteral("cascade");
// Version 1 files are still written for the main window's designs: older programs open them.
constexpr int CurrentVersion = 2;
constexpr int MontageVersion = 2; // the first to know "montage"
constexpr qsizetype MaxField = 40;   // characters of a number field
constexpr qsizetype MaxName = 200;
constexpr qsizetype MaxNote = 20000;

constexpr std::array<std::pair<const char *, double calc::Tolerances::*>, 4> ToleranceKeys = {
    std::pair{"R", &calc::Tolerances::r}, std::pair{"C", &calc::Tolerances::c}, std::pair{"K", &calc::Tolerances::k},
    std::pair{"ajustable", &calc::Tolerances::p}};

struct ConceptionWords {
    Q_DECLARE_TR_FUNCTIONS(Conception)
};

// A text the period or a part field would accept from the keyboard.
bool isFieldText(const QString &text)
{
    const std::string value = text.toStdString();
    return text.size() <= MaxField && value.find_first_not_of("0123456789.,") == std::string::npos
        && calc::separatorsOk(value);
}

// "2.8e2" as the settings file may hold it, read by the same rule: a finite positive number.
bool isConstantText(const QString &text)
{
    const std::string value = text.toStdString();
    const double number = calc::leadingNumber(value);
    return text.size() <= MaxField && value.find_first_not_of("0123456789.eE+-") == std::string::npos
        && std::isfinite(number) && number > 0;
}

class Reader {
public:
    Reader(const QJsonObject &object, QString &why) : m_object(object), m_why(why) {}

    bool text(const QString &key, QString &out, qsizetype limit, bool field)
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isString())
            return fail(ConceptionWords::tr("la clé « %1 » manque ou n'est pas un texte").arg(key));
        out = value.toString();
        if (out.size() > limit)
            return fail(ConceptionWords::tr("le texte de « %1 » est trop long").arg(key));
        if (field && !isFieldText(out))
            return fail(ConceptionWords::tr("« %1 » vaut « %2 », qui n'est pas un nombre (des chiffres et un seul séparateur)")
                            .arg(key, out.left(MaxField)));
        return true;
    }
    bool fail(const QString &why)
    {
        m_why = why;
        return false;
    }

private:
    const QJsonObject &m_object;
    QString &m_why;
};

QString refusal(const QString &path, const QString &why)
{
    return ConceptionWords::tr("Le fichier « %1 » ne peut pas être ouvert : %2.").arg(path, why);
}

} // namespace

double Conception::constant() const { return calc::leadingNumber(K4060.toStdString()) / 1e8; }

ConceptionRead parseConception(const QByteArray &bytes, const QString &path)
{
    ConceptionRead read;
    QString why;
    auto refuse = [&](const QString &reason) {
        read.error = refusal(path, reason);
        return read;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refuse(ConceptionWords::tr("ce n'est pas du JSON lisible (erreur à l'octet %1)").arg(parseError.offset));
    if (!document.isObject())
        return refuse(ConceptionWords::tr("ce n'est pas un objet JSON"));
    QJsonObject object = document.object();
    if (object.value(Format).toString() != FormatName)
        return refuse(ConceptionWords::tr("ce n'est pas une conception Chronalys CD4060 (clé « format »)"));
    const QJsonValue version = object.value(Version);
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1)
        return refuse(ConceptionWords::tr("la clé « version » manque ou n'est pas un entier positif"));
    if (version.toDouble() > CurrentVersion)
        return refuse(ConceptionWords::tr("il vient d'une version plus récente du programme (format %1)").arg(version.toDouble()));

    Conception c;
    // A version 1 file knows no "montage": one found there is another program's, kept as it came.
    if (version.toDouble() >= MontageVersion && object.contains(Montage)) {
        const QJsonObject montage = object.value(Montage).toObject();
        if (!object.value(Montage).isObject() || montage.value(Type).toString() != CascadeType)
            return refuse(ConceptionWords::tr("« montage » doit être un objet de type « cascade »"));
        const std::optional<calc::SecondCounter> counter =
            calc::counterNamed(montage.value(Compteur2).toString().toStdString());
        if (!counter)
            return refuse(ConceptionWords::tr("« compteur2 » doit valoir CD4040, CD4020 ou CD4060"));
        const QJsonValue stage = montage.value(Etage);
        const int last = calc::lastTopStage(*counter);
        if (!stage.isDouble() || stage.toDouble() != std::floor(stage.toDouble()) || stage.toDouble() < calc::FirstTopStage
            || stage.toDouble() > last)
            return refuse(ConceptionWords::tr("« etage » doit être un entier de %1 à %2 avec le %3")
                              .arg(calc::FirstTopStage)
                              .arg(last)
                              .arg(QLatin1String(calc::counterName(*counter))));
        c.montage = calc::Cascade{*counter, static_cast<int>(stage.toDouble())};
    }
    // Outputs Q1 to Q13 alone, or the stages below a cascade's top stage.
    const int lastOutput = c.montage ? c.montage->stage - 1 : calc::OutputCount;
    Reader reader(object, why);
    if (!reader.text(Nom, c.nom, MaxName, false) || !reader.text(T, c.T, MaxField, true)
        || !reader.text(T1, c.T1, MaxField, true))
        return refuse(why);
    const QString serie = object.value(Serie).toString();
    if (serie != QLatin1String("E24") && serie != QLatin1String("E12"))
        return refuse(ConceptionWords::tr("« serie » doit valoir E12 ou E24"));
    c.Pas_Serie = serie == QLatin1String("E12") ? calc::PasE12 : calc::PasE24;
    if (!reader.text(K4060, c.K4060, MaxField, false))
        return refuse(why);
    if (!isConstantText(c.K4060))
        return refuse(ConceptionWords::tr("« K4060 » vaut « %1 », qui n'est pas un nombre positif").arg(c.K4060.left(MaxField)));
    const QJsonObject tolerances = object.value(Tolerances).toObject();
    for (const auto &[key, member] : ToleranceKeys) {
        const QJsonValue value = tolerances.value(QLatin1String(key));
        if (!value.isDouble() || !calc::isTolerance(value.toDouble()))
            return refuse(ConceptionWords::tr("la tolérance « %1 » manque ou n'est pas un pourcentage de 0 à 50").arg(QLatin1String(key)));
        c.tolerances.*member = value.toDouble();
    }
    if (object.contains(Composants)) {
        const QJsonObject parts = object.value(Composants).toObject();
        Conception::Parts p;
        Reader partReader(parts, why);
        if (!object.value(Composants).isObject() || !partReader.text(C2, p.C2, MaxField, true)
            || !partReader.text(Talon, p.talon, MaxField, true)
            || !partReader.text(Potentiometre, p.potentiometre, MaxField, true))
            return refuse(why.isEmpty() ? ConceptionWords::tr("« composants » n'est pas un objet") : why);
        const QJsonValue outputs = parts.value(Sorties);
        if (!outputs.isArray())
            return refuse(ConceptionWords::tr("« sorties » manque ou n'est pas une liste"));
        std::uint64_t pattern = 0;
        for (const QJsonValue output : outputs.toArray()) {
            const double n = output.toDouble(-1);
            if (!output.isDouble() || n != std::floor(n) || n < 1 || n > lastOutput)
                return refuse(c.montage ? ConceptionWords::tr("« sorties » ne tient que des étages de 1 à %1").arg(lastOutput)
                                        : ConceptionWords::tr("« sorties » ne tient que des sorties de 1 à 13"));
            pattern |= std::uint64_t{1} << (static_cast<int>(n) - 1);
        }
        for (int s = 1; s <= lastOutput; ++s)
            if (pattern & (std::uint64_t{1} << (s - 1)))
                p.sorties.push_back(s);
        c.composants = p;
    }
    if (object.contains(Note) && !reader.text(Note, c.note, MaxNote, false))
        return refuse(why);
    for (const QString &known : {Format, Version, Nom, T, T1, Serie, K4060, Tolerances, Composants, Note})
        object.remove(known);
    if (c.montage)
        object.remove(Montage);
    c.autres = object;
    read.conception = std::move(c);
    return read;
}

ConceptionRead readConception(const QString &path)
{
    ConceptionRead read;
    const QFileInfo info(path);
    QFile file(path);
    if (info.isDir())
        read.error = refusal(path, ConceptionWords::tr("c'est un dossier"));
    else if (!info.exists())
        read.error = refusal(path, ConceptionWords::tr("il n'existe pas"));
    else if (info.size() > MaxConceptionBytes)
        read.error = refusal(path, ConceptionWords::tr("il est trop gros pour une conception (plus de 1 Mio)"));
    else if (!file.open(QIODevice::ReadOnly))
        read.error = refusal(path, ConceptionWords::tr("il ne peut pas être lu"));
    if (!read.error.isEmpty())
        return read;
    // The size may have grown since: never read more than the limit allows.
    const QByteArray bytes = file.read(MaxConceptionBytes + 1);
    if (bytes.size() > MaxConceptionBytes)
        return {std::nullopt, refusal(path, ConceptionWords::tr("il est trop gros pour une conception (plus de 1 Mio)"))};
    return parseConception(bytes, path);
}

namespace {

QByteArray valueJson(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

QByteArray conceptionJson(const Conception &c)
{
    QJsonObject tolerances;
    for (const auto &[key, member] : ToleranceKeys)
        tolerances.insert(QLatin1String(key), c.tolerances.*member);
    // In the order a person reads it; keys of later versions after them.
    std::vector<std::pair<QString, QJsonValue>> entries = {
        {Format, FormatName}, {Version, c.montage ? MontageVersion : 1}, {Nom, c.nom}, {T, c.T}, {T1, c.T1},
        {Serie, c.Pas_Serie == calc::PasE12 ? QStringLiteral("E12") : QStringLiteral("E24")},
        {K4060, c.K4060}, {Tolerances, tolerances}};
    if (c.montage)
        entries.emplace_back(Montage, QJsonObject{{Type, CascadeType},
                                                  {Compteur2, QLatin1String(calc::counterName(c.montage->counter))},
                                                  {Etage, c.montage->stage}});
    if (c.composants) {
        QJsonArray outputs;
        for (int n : c.composants->sorties)
            outputs.append(n);
        entries.emplace_back(Composants, QJsonObject{{C2, c.composants->C2}, {Talon, c.composants->talon},
                                                     {Potentiometre, c.composants->potentiometre}, {Sorties, outputs}});
    }
    entries.emplace_back(Note, c.note);
    for (auto other = c.autres.begin(); other != c.autres.end(); ++other)
        entries.emplace_back(other.key(), other.value());
    QByteArray json = "{\n";
    for (std::size_t i = 0; i < entries.size(); ++i)
        json += "  " + valueJson(entries[i].first) + ": " + valueJson(entries[i].second)
              + (i + 1 < entries.size() ? ",\n" : "\n");
    return json + "}\n";
}

QString writeConception(const Conception &conception, const QString &path)
{
    const QString why = saveWhole(path, conceptionJson(conception));
    if (why.isEmpty())
        return {};
    return ConceptionWords::tr("La conception n'a pas pu être enregistrée dans « %1 » : %2 ; le fichier d'avant, s'il y en avait "
              "un, est intact.")
        .arg(path, why);
}

} // namespace report
