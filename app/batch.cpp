#include "app/batch.h"

#include "calc/batchline.h"
#include "calc/tables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <array>
#include <cerrno>
#include <charconv>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The table's columns, in the window's order (zones A to D), then what went wrong.
constexpr std::array CsvColumns = {
    "ligne", "FrequenceOscillateur(1)", "Motif_Q", "QcOnOff", "CondensateurCalcul(1)",
    "ResistanceCalcul(1)", "CondensateurReel", "ResistanceCombo(0)", "ResistanceCombo(1)",
    "QrOnOff", "FrequenceOscillateur(3)", "T_reel", "T1_reel", "ValeurRs", "alarmes", "arret",
    "erreur"};

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// The options the direct road computes like calculate(); any other sends the batch through it.
bool directOption(const QString &option)
{
    return option == QLatin1String("--serie") || option == QLatin1String("--significatif")
        || option == QLatin1String("--k4060");
}

void appendInteger(std::string &out, long long value)
{
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// As QJsonDocument writes a string: UTF-8, quotes, backslashes and control characters escaped.
void appendJsonString(std::string &out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u >= 0x20) {
            out += c;
        } else {
            static constexpr char Hex[] = "0123456789abcdef";
            const char *escape = c == '\b' ? "\\b" : c == '\f' ? "\\f" : c == '\n' ? "\\n"
                               : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr;
            if (escape) {
                out += escape;
            } else {
                out += "\\u00";
                out += Hex[u >> 4];
                out += Hex[u & 0xF];
            }
        }
    }
    out += '"';
}

void appendJsonKey(std::string &out, std::string_view key)
{
    out += '"';
    out += key;
    out += "\":";
}

void appendCsvField(std::string &out, std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// The outputs marked "On", as a list of names: "Q4 Q12".
std::string outputNames(const std::array<bool, 14> &on)
{
    std::string names;
    for (int n = 1; n <= calc::OutputCount; ++n) {
        if (!on[static_cast<std::size_t>(n)])
            continue;
        if (!names.empty())
            names += ' ';
        names += 'Q';
        appendInteger(names, n);
    }
    return names;
}

void appendJsonOutputs(std::string &out, const std::array<bool, 14> &on)
{
    out += '[';
    for (int n = 1; n <= calc::OutputCount; ++n) {
        if (n > 1)
            out += ',';
        out += on[static_cast<std::size_t>(n)] ? "\"On\"" : "\"\"";
    }
    out += ']';
}

std::array<bool, 14> outputsOfPattern(int pattern)
{
    std::array<bool, 14> on{};
    for (int n = 1; n <= calc::OutputCount; ++n)
        on[static_cast<std::size_t>(n)] = (pattern & (1 << (n - 1))) != 0;
    return on;
}

} // namespace

ParsedBatch parseBatch(const QStringList &arguments, const CalculationOptions &defaults)
{
    ParsedBatch parsed;
    auto fail = [&parsed](const QString &message) {
        parsed.error = message;
        return parsed;
    };
    BatchSettings &settings = parsed.settings;
    QStringList options = {QStringLiteral("--calcul"), QStringLiteral("1"), QStringLiteral("1")};
    bool json = false;
    bool inputGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--lot")) {
            if (inputGiven || i + 1 >= arguments.size())
                return fail(QStringLiteral("--lot attend un seul fichier, ou « - » pour l'entrée standard"));
            settings.input = arguments[++i];
            inputGiven = true;
        } else if (argument == QLatin1String("--csv")) {
            settings.csv = true;
        } else if (argument == QLatin1String("--json")) {
            json = true;
        } else if (argument == QLatin1String("--feuille")) {
            return fail(QStringLiteral("--feuille dessine un seul montage : il ne s'applique pas au calcul en lot"));
        } else {
            options << argument;
            if (argument.startsWith(QLatin1String("--")) && !directOption(argument))
                settings.direct = false;
            if (directOption(argument) && i + 1 < arguments.size())
                options << arguments[++i];
        }
    }
    if (!inputGiven)
        return fail(QStringLiteral("--lot attend un fichier, ou « - » pour l'entrée standard"));
    if (json && settings.csv)
        return fail(QStringLiteral("--json et --csv s'excluent"));
    settings.parsed = parseCalculation(options, defaults);
    if (!settings.parsed.ok)
        return fail(settings.parsed.error);
    parsed.ok = true;
    return parsed;
}

QString batchUsage()
{
    return QStringLiteral(
        "Usage : chronalys-calcul T T1 [options]  (le calcul de Chronalys_CD4060 --calcul)\n"
        "        chronalys-calcul --lot FICHIER|- [--csv] [options]\n"
        "  --lot  un calcul par ligne « T T1 » (blancs, tabulation ou « ; » entre les deux,\n"
        "         « , » ou « . » décimal ; lignes vides et lignes « # » ignorées) ;\n"
        "         « - » lit l'entrée standard. Sortie : un objet JSON par ligne (JSON Lines)\n"
        "         avec « ligne », ou « erreur » quand la ligne ne se lit pas\n"
        "  --csv  un tableau séparé par « ; » avec une ligne d'en-tête, les textes de la fenêtre\n");
}

std::string batchCsvHeader()
{
    std::string header;
    for (const char *column : CsvColumns) {
        if (!header.empty())
            header += ';';
        header += column;
    }
    return header + '\n';
}

BatchRun::BatchRun(const BatchSettings &settings) : m_settings(settings) {}

void BatchRun::keep(std::string_view piece)
{
    if (m_pendingTooLong)
        return;
    if (m_pending.size() + piece.size() > MaxLine) {
        m_pendingTooLong = true;
        m_pending.clear();
        return;
    }
    m_pending += piece;
}

// A line ends at LF, CR LF or a lone CR (files from old Macs); the LF of a CR LF may come in
// the next piece.
void BatchRun::feed(std::string_view bytes, std::string &out)
{
    if (m_afterCr && !bytes.empty()) {
        m_afterCr = false;
        if (bytes.front() == '\n')
            bytes.remove_prefix(1);
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            keep(bytes);
            return;
        }
        const std::string_view piece = bytes.substr(0, end);
        const bool cr = bytes[end] == '\r';
        bytes.remove_prefix(end + 1);
        if (cr && bytes.empty())
            m_afterCr = true;
        else if (cr && bytes.front() == '\n')
            bytes.remove_prefix(1);
        if (m_pending.empty() && !m_pendingTooLong) {
            line(piece, piece.size() > MaxLine, out);
            continue;
        }
        keep(piece);
        line(m_pending, m_pendingTooLong, out);
        m_pending.clear();
        m_pendingTooLong = false;
    }
}

void BatchRun::finish(std::string &out)
{
    if (m_pending.empty() && !m_pendingTooLong)
        return;
    line(m_pending, m_pendingTooLong, out);
    m_pending.clear();
    m_pendingTooLong = false;
}

void BatchRun::line(std::string_view text, bool tooLong, std::string &out)
{
    ++m_number;
    if (m_number == 1 && text.substr(0, Bom.size()) == Bom)
        text.remove_prefix(Bom.size());
    if (tooLong) {
        error(calc::lineTooLong(MaxLine), out);
        return;
    }
    const calc::BatchLine read = calc::readBatchLine(text);
    if (read.kind == calc::BatchLine::Kind::Error)
        error(read.error, out);
    else if (read.kind == calc::BatchLine::Kind::Design)
        design(read.period, read.pulse, out);
}

void BatchRun::error(const std::string &message, std::string &out)
{
    m_failed = true;
    if (m_settings.csv) {
        appendInteger(out, m_number);
        out.append(CsvColumns.size() - 1, ';');
        appendCsvField(out, message);
    } else {
        appendJsonKey(out.append(1, '{'), "erreur");
        appendJsonString(out, message);
        out += ',';
        appendJsonKey(out, "ligne");
        appendInteger(out, m_number);
        out += '}';
    }
    out += '\n';
}

const BatchRun::Lists &BatchRun::lists(const calc::SeriesPosition &series)
{
    for (const Lists &known : m_lists)
        if (known.decade == series.decade && known.step == series.step)
            return known;
    constexpr std::size_t Kept = 64; // decades of a realistic batch; beyond, the oldest goes
    if (m_lists.size() == Kept)
        m_lists.erase(m_lists.begin());
    Lists &made = m_lists.emplace_back();
    made.decade = series.decade;
    made.step = series.step;
    const char separator = m_settings.parsed.options.separator;
    made.fixed = "[";
    made.potentiometer = "[\"0\"";
    for (int position = 0; position < series.count; ++position) {
        if (position > 0)
            made.fixed += ',';
        appendJsonString(made.fixed, calc::seriesItem(series, position, false, separator));
        made.potentiometer += ',';
        appendJsonString(made.potentiometer, calc::seriesItem(series, position, true, separator));
    }
    made.fixed += ']';
    made.potentiometer += ']';
    return made;
}

namespace {

// A row of the table from the object of a single calculation (the road of options the direct
// one does not know).
void appendCsvRow(std::string &out, const QJsonObject &result)
{
    bool first = true;
    for (const char *column : CsvColumns) {
        if (!first)
            out += ';';
        first = false;
        const QJsonValue value = result[QLatin1String(column)];
        std::string text;
        if (value.isString()) {
            text = value.toString().toStdString();
        } else if (value.isDouble()) {
            appendInteger(text, value.toInteger());
        } else if (value.isObject()) {
            const QJsonObject combo = value.toObject();
            text = combo[QLatin1String("items")][combo[QLatin1String("selected")].toInt()]
                       .toString().toStdString();
        } else if (value.isArray()) {
            const QJsonArray array = value.toArray();
            std::array<bool, 14> on{};
            for (qsizetype n = 0; n < array.size(); ++n) {
                if (array[n].isDouble()) {
                    if (!text.empty())
                        text += ' ';
                    appendInteger(text, array[n].toInteger());
                } else if (n < calc::OutputCount) {
                    on[static_cast<std::size_t>(n + 1)] = array[n].toString() == QLatin1String("On");
                }
            }
            if (text.empty())
                text = outputNames(on);
        }
        appendCsvField(out, text);
    }
    out += '\n';
}

} // namespace

void BatchRun::design(std::string_view period, std::string_view pulse, std::string &out)
{
    const CalculationOptions &options = m_settings.parsed.options;
    if (!m_settings.direct) {
        QJsonObject result = calculate(QString::fromUtf8(period.data(), period.size()),
                                       QString::fromUtf8(pulse.data(), pulse.size()), options);
        result.insert(QStringLiteral("ligne"), m_number);
        if (m_settings.csv)
            appendCsvRow(out, result);
        else
            out += QJsonDocument(result).toJson(QJsonDocument::Compact).toStdString() + '\n';
        return;
    }

    const DesignChain d = designChain(period, pulse, options);
    const calc::RealDesign &real = d.real;
    auto appendAlarms = [&d, &out](char separator) {
        for (std::size_t i = 0; i < d.alarms.size(); ++i) {
            if (i > 0)
                out += separator;
            appendInteger(out, d.alarms[i]);
        }
    };
    if (m_settings.csv) {
        appendInteger(out, m_number);
        out += ';';
        appendCsvField(out, d.labelText);
        out += ';';
        if (d.converted()) {
            appendInteger(out, d.design.Motif_Q);
            out += ';';
            out += outputNames(d.design.on);
            out += ';';
            appendCsvField(out, d.design.C2Caption);
            out += ';';
            appendCsvField(out, d.design.R2Caption);
            out += ';';
            appendCsvField(out, real.capacitorText);
            out += ';';
            appendCsvField(out, real.talonText);
            out += ';';
            appendCsvField(out, real.potentiometerText);
            out += ';';
            out += outputNames(outputsOfPattern(real.pattern));
            out += ';';
            appendCsvField(out, real.shown.FrequenceOscillateur);
            out += ';';
            appendCsvField(out, real.shown.T_reel);
            out += ';';
            appendCsvField(out, real.shown.T1_reel);
            out += ';';
            appendCsvField(out, real.shown.ValeurRs);
            out += ';';
        } else {
            out.append(12, ';');
        }
        appendAlarms(' ');
        out += ';';
        if (!d.converted())
            out += d.arret;
        out += ";\n";
        return;
    }

    // Keys in the order QJsonObject keeps them (sorted), "ligne" among them.
    out += '{';
    if (d.converted()) {
        appendJsonKey(out, "CondensateurCalcul(1)");
        appendJsonString(out, d.design.C2Caption);
        appendJsonKey(out += ',', "CondensateurReel");
        appendJsonString(out, real.capacitorText);
        out += ',';
    }
    appendJsonKey(out, "FrequenceOscillateur(1)");
    appendJsonString(out, d.labelText);
    if (d.converted()) {
        appendJsonKey(out += ',', "FrequenceOscillateur(3)");
        appendJsonString(out, real.shown.FrequenceOscillateur);
        appendJsonKey(out += ',', "Motif_Q");
        appendInteger(out, d.design.Motif_Q);
        appendJsonKey(out += ',', "QcOnOff");
        appendJsonOutputs(out, d.design.on);
        appendJsonKey(out += ',', "QrOnOff");
        appendJsonOutputs(out, outputsOfPattern(real.pattern));
        appendJsonKey(out += ',', "ResistanceCalcul(1)");
        appendJsonString(out, d.design.R2Caption);
        const Lists &items = lists(d.series);
        appendJsonKey(out += ',', "ResistanceCombo(0)");
        appendJsonKey(out += '{', "items");
        out += items.fixed;
        appendJsonKey(out += ',', "selected");
        appendInteger(out, d.series.selected);
        appendJsonKey(out += "},", "ResistanceCombo(1)");
        appendJsonKey(out += '{', "items");
        out += items.potentiometer;
        appendJsonKey(out += ',', "selected");
        out += "0}";
        appendJsonKey(out += ',', "T1_reel");
        appendJsonString(out, real.shown.T1_reel);
        appendJsonKey(out += ',', "T_reel");
        appendJsonString(out, real.shown.T_reel);
        appendJsonKey(out += ',', "ValeurRs");
        appendJsonString(out, real.shown.ValeurRs);
    }
    appendJsonKey(out += ',', "alarmes");
    out += '[';
    appendAlarms(',');
    out += ']';
    if (!d.converted()) {
        appendJsonKey(out += ',', "arret");
        appendJsonString(out, d.arret);
    }
    appendJsonKey(out += ',', "ligne");
    appendInteger(out, m_number);
    out += "}\n";
}

namespace {

enum class Written { Done, Closed, Failed };

Written writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno == EPIPE ? Written::Closed : Written::Failed;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return Written::Done;
}

QString reason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("fichier introuvable");
    case EACCES:
    case EPERM:
        return QStringLiteral("accès refusé");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    case ENOSPC:
        return QStringLiteral("disque plein");
    default:
        return QStringLiteral("erreur système %1").arg(error);
    }
}

} // namespace

int runBatch(const QStringList &arguments)
{
    QTextStream err(stderr);
    const QString program = QStringLiteral("chronalys-calcul : ");
    // The same defaults as --calcul, tolerances included.
    const ParsedBatch parsed = parseBatch(arguments, storedCalculationOptions());
    if (!parsed.ok) {
        err << program << parsed.error << '\n' << batchUsage();
        return 2;
    }
    const BatchSettings &settings = parsed.settings;
    const bool standardInput = settings.input == QLatin1String("-");
    const int input = standardInput
        ? STDIN_FILENO
        : ::open(QFile::encodeName(settings.input).constData(), O_RDONLY | O_CLOEXEC);
    if (input < 0) {
        err << program << QStringLiteral("impossible d'ouvrir « %1 » : %2\n").arg(settings.input, reason(errno));
        return 1;
    }
    // A reader that stops early (head) closes the pipe: the write says so, no signal kills.
    std::signal(SIGPIPE, SIG_IGN);

    BatchRun run(settings);
    std::string out = settings.csv ? batchCsvHeader() : std::string();
    std::vector<char> chunk(std::size_t{1} << 16);
    int status = 0;
    auto flush = [&]() {
        const Written written = writeAll(STDOUT_FILENO, out);
        out.clear();
        if (written == Written::Failed) {
            err << program << QStringLiteral("écriture impossible : %1\n").arg(reason(errno));
            status = 1;
        }
        return written == Written::Done;
    };
    for (;;) {
        // Whatever is done goes out before waiting for more input.
        if (!out.empty() && !flush())
            return status != 0 ? status : (run.failed() ? 1 : 0);
        const ssize_t n = ::read(input, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err << program << QStringLiteral("lecture de « %1 » impossible : %2\n")
                                  .arg(standardInput ? QStringLiteral("-") : settings.input, reason(errno));
            status = 1;
            break;
        }
        if (n == 0)
            break;
        run.feed(std::string_view(chunk.data(), static_cast<std::size_t>(n)), out);
    }
    run.finish(out);
    if (!out.empty())
        flush();
    if (!standardInput)
        ::close(input);
    return status != 0 || run.failed() ? 1 : 0;
}
