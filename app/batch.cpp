#include "app/batch.h"

#include "report/csv.h"
#include "report/json.h"
#include "report/words.h"

#include "calc/batchline.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Batch {
    Q_DECLARE_TR_FUNCTIONS(Batch)
};

constexpr std::string_view Bom = "\xEF\xBB\xBF";

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
                return fail(Batch::tr("--lot attend un seul fichier, ou « - » pour l'entrée standard"));
            settings.input = arguments[++i];
            inputGiven = true;
        } else if (argument == QLatin1String("--csv")) {
            settings.csv = true;
        } else if (argument == QLatin1String("--json")) {
            json = true;
        } else if (argument == QLatin1String("--feuille")) {
            return fail(Batch::tr("--feuille dessine un seul montage : il ne s'applique pas au calcul en lot"));
        } else if (argument == QLatin1String("--image-chronogramme")) {
            return fail(
                Batch::tr("--image-chronogramme dessine un seul montage : il ne s'applique pas au calcul en lot"));
        } else {
            options << argument;
        }
    }
    if (!inputGiven)
        return fail(Batch::tr("--lot attend un fichier, ou « - » pour l'entrée standard"));
    if (json && settings.csv)
        return fail(Batch::tr("--json et --csv s'excluent"));
    settings.parsed = parseCalculation(options, defaults);
    settings.defaults = defaults;
    if (!settings.parsed.ok)
        return fail(settings.parsed.error);
    // A line naming a design file follows the file's own montage.
    for (qsizetype i = 3; i < options.size(); ++i) {
        if (options[i] == QLatin1String("--montage") || options[i] == QLatin1String("--compteur2")
            || options[i] == QLatin1String("--etage"))
            ++i;
        else
            settings.options << options[i];
    }
    parsed.ok = true;
    return parsed;
}

QString calculProgramUsage()
{
    const QString batchOptions =
        Batch::tr("  --lot FICHIER|-\n"
                  "                  un calcul par ligne « T T1 » (blancs, tabulation ou « ; » entre les\n"
                  "                  deux, « , » ou « . » décimal ; lignes vides et lignes « # » ignorées)\n"
                  "                  ou une conception .cd4060 ; « - » lit l'entrée standard. Sortie : un\n"
                  "                  objet JSON par ligne (JSON Lines) avec « ligne », ou « erreur » quand\n"
                  "                  la ligne ne se lit pas")
        + QLatin1Char('\n')
        + Batch::tr("  --csv           un tableau séparé par « ; » avec une ligne d'en-tête : la ligne, ses T\n"
                    "                  et T1, les textes de la fenêtre, puis les nombres (point décimal)");
    return Batch::tr("Usage : chronalys-calcul T T1 [options]\n"
                     "        chronalys-calcul --conception FICHIER.cd4060 [options]\n"
                     "        chronalys-calcul --lot FICHIER|- [--csv] [options]\n"
                     "        chronalys-calcul --help | --version\n"
                     "Le calcul de Chronalys_CD4060 --calcul, sans bibliothèque graphique.\n")
        + calculationOptions(false, batchOptions)
        + Batch::tr("Statut de sortie : 0 quand chaque calcul va jusqu'à la temporisation réelle, 1 quand le\n"
                    "programme en refuse un ou qu'une ligne ne se lit pas, 2 quand la ligne de commande ne se\n"
                    "lit pas.\n"
                    "Page de manuel : man chronalys-calcul\n");
}

BatchRun::BatchRun(const BatchSettings &settings) : m_settings(settings), m_words(report::words())
{
    const ParsedCalculation &parsed = settings.parsed;
    m_longEntry.counter = parsed.counter;
    m_longEntry.stage = parsed.stage;
    m_longEntry.Pas_Serie = parsed.options.Pas_Serie;
    m_longEntry.K = parsed.options.Constante_K4060;
    m_longEntry.tolerances = parsed.options.tolerances;
}

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
        error(calc::lineTooLong(MaxLine, m_words), out);
        return;
    }
    // A line that names a design file computes it, with its parts.
    const std::size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    if (first != std::string_view::npos && text[first] != '#') {
        const std::string_view named = text.substr(first, last - first + 1);
        constexpr std::string_view Extension = ".cd4060";
        if (named.size() > Extension.size()
            && QLatin1String(named.substr(named.size() - Extension.size())).compare(QLatin1String(Extension),
                                                                                   Qt::CaseInsensitive) == 0) {
            conception(named, out);
            return;
        }
    }
    const calc::BatchLine read = calc::readBatchLine(text, m_words);
    if (read.kind == calc::BatchLine::Kind::Error)
        error(read.error, out);
    else if (read.kind == calc::BatchLine::Kind::Design)
        design(read.period, read.pulse, out);
}

void BatchRun::error(const std::string &message, std::string &out)
{
    m_failed = true;
    if (m_settings.csv && m_settings.parsed.cascade) {
        report::appendLongCsvError(out, m_settings.parsed.options, m_number, message);
        return;
    }
    if (m_settings.csv) {
        report::appendCsvError(out, m_settings.parsed.options, m_number, message);
        return;
    }
    report::appendJsonError(out, m_number, message);
    out += '\n';
}

void BatchRun::design(std::string_view period, std::string_view pulse, std::string &out)
{
    const CalculationOptions &options = m_settings.parsed.options;
    if (!m_settings.parsed.cascade) {
        write(calc::designRoad(period, pulse, options), options, out);
        return;
    }
    calc::LongEntry entry = m_longEntry;
    entry.T = calc::readNumber(period);
    entry.T1 = calc::readNumber(pulse);
    const calc::LongRoad road = calc::longRoad(entry);
    const calc::RealDesign real =
        road.timing && options.anySection()
            ? calc::realDesignOf(entry, road.design.stage, road.parts, options.Mode_Affichage, options.separator,
                                 options.notation)
            : calc::RealDesign{};
    writeLong(road, real, options, period, pulse, out);
}

void BatchRun::conception(std::string_view path, std::string &out)
{
    const QStringList arguments = QStringList{QStringLiteral("--calcul"), QStringLiteral("--conception"),
                                              QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()))}
                                + m_settings.options;
    const ParsedCalculation parsed = parseCalculation(arguments, m_settings.defaults);
    if (!parsed.ok) {
        error(parsed.error.toStdString(), out);
    } else if (m_settings.csv && parsed.cascade != m_settings.parsed.cascade) {
        // One table, one kind of row.
        error((parsed.cascade ? Batch::tr("la conception « %1 » a un second compteur : son tableau demande "
                                          "--montage cascade")
                              : Batch::tr("la conception « %1 » n'a pas de second compteur : son tableau est "
                                          "celui d'un calcul sans --montage"))
                  .arg(arguments[2])
                  .toStdString(),
              out);
    } else if (parsed.cascade) {
        const LongCalculation long_ = calculatedLongRoad(parsed);
        writeLong(long_.road, long_.real, parsed.options, parsed.periodText.toStdString(),
                  parsed.pulseText.toStdString(), out);
    } else {
        write(calculatedRoad(parsed), parsed.options, out);
    }
}

void BatchRun::writeLong(const calc::LongRoad &road, const calc::RealDesign &real, const CalculationOptions &options,
                         std::string_view period, std::string_view pulse, std::string &out)
{
    if (!road.timing)
        m_failed = true;
    if (m_settings.csv) {
        report::appendLongCsvRow(out, road, real, options, m_number, period, pulse);
        return;
    }
    report::appendLongJson(out, road, real, options, m_number);
    out += '\n';
}

void BatchRun::write(const calc::Road &road, const CalculationOptions &options, std::string &out)
{
    // A design the program refuses counts as a failed line, as for a single calculation.
    if (!road.converted)
        m_failed = true;
    if (m_settings.csv) {
        report::appendCsvRow(out, road, options, m_number);
        return;
    }
    m_json.append(out, road, options, m_number);
    out += '\n';
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
        return Batch::tr("fichier introuvable");
    case EACCES:
    case EPERM:
        return Batch::tr("accès refusé");
    case EISDIR:
        return Batch::tr("c'est un dossier");
    case ENOSPC:
        return Batch::tr("disque plein");
    default:
        return Batch::tr("erreur système %1").arg(error);
    }
}

} // namespace

int runBatch(const QStringList &arguments)
{
    QTextStream err(stderr);
    const QString program =
        Batch::tr("%1 : ", "program name before a message; keep the space after").arg(QStringLiteral("chronalys-calcul"));
    // The same defaults as --calcul, tolerances included.
    const ParsedBatch parsed = parseBatch(arguments, storedCalculationOptions());
    if (!parsed.ok) {
        err << program << parsed.error << '\n' << helpHint(QStringLiteral("chronalys-calcul")) << '\n';
        return 2;
    }
    const BatchSettings &settings = parsed.settings;
    const bool standardInput = settings.input == QLatin1String("-");
    const int input = standardInput
        ? STDIN_FILENO
        : ::open(QFile::encodeName(settings.input).constData(), O_RDONLY | O_CLOEXEC);
    if (input < 0) {
        const QString why = reason(errno); // before any other call may change errno
        err << program << Batch::tr("impossible d'ouvrir « %1 » : %2\n").arg(settings.input, why);
        return 1;
    }
    // A reader that stops early (head) closes the pipe: the write says so, no signal kills.
    std::signal(SIGPIPE, SIG_IGN);

    BatchRun run(settings);
    std::string out = !settings.csv              ? std::string()
                      : settings.parsed.cascade ? report::longCsvHeader(settings.parsed.options)
                                                : report::csvHeader(settings.parsed.options);
    std::vector<char> chunk(std::size_t{1} << 16);
    int status = 0;
    auto flush = [&]() {
        const Written written = writeAll(STDOUT_FILENO, out);
        out.clear();
        if (written == Written::Failed) {
            const QString why = reason(errno);
            err << program << Batch::tr("écriture impossible : %1\n").arg(why);
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
            const QString why = reason(errno);
            err << program << Batch::tr("lecture de « %1 » impossible : %2\n")
                                  .arg(standardInput ? QStringLiteral("-") : settings.input, why);
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
