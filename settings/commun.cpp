#include "settings/commun.h"

#include "settings/atomicsave.h"
#include "settings/commun_p.h"
#include "settings/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <vector>
#endif

// Set by the build from the install layout, e.g. "../share/chronalys-cd4060".
#ifndef CHRONALYS_DATA_FROM_BIN
#error "CHRONALYS_DATA_FROM_BIN must give the data folder relative to the installed executable"
#endif

namespace Commun {

namespace {

constexpr qsizetype ValueLength = 254; // the platform's 255-character buffer less its final zero
constexpr int Int16Max = 32767;

struct State {
    QString sautLigne;
    int modeDiagnostic = 0;
    QString nomBase;
    QString cheminIni;
    QString cheminAide;
    QString cheminAlarme;
    bool iniDansDossierUtilisateur = false; // its folder may not exist yet
    int compteSauve = 0;
    int compteRestaure = 0;
    QString executableFichiers; // see useFilesOf; empty: the running executable
};

State &state()
{
    static State s;
    return s;
}

QString cut(QString text)
{
    if (text.size() > ValueLength)
        text.truncate(text[ValueLength - 1].isHighSurrogate() ? ValueLength - 1 : ValueLength);
    return text;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int diagnosticPosition(const QString &commandLine)
{
    // Upper-cased unit by unit, so that positions stay those of the text as given
    // (QString::toUpper would turn one "ß" into two letters).
    QString upper = commandLine;
    for (QChar &c : upper)
        c = c.toUpper();
    const qsizetype index = upper.indexOf(QLatin1String("BUG"));
    return index < 0 ? 0 : int(qMin<qsizetype>(index + 1, Int16Max));
}

// Windows executables end in ".exe"; elsewhere they have no extension and a dot belongs to the
// name, as in "Outil_(Rev_1.04)".
QString executableName(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return fileName.chopped(4);
    return fileName;
}

// Copies that differ only by a revision tag ("Outil_(Rev_2)", "Outil_(Rev_3)") share their files.
QString withoutRevisionTag(const QString &name)
{
    const qsizetype open = name.indexOf(QLatin1String("_("));
    const qsizetype close = name.indexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return name;
    return name.left(open) + name.mid(close + 1);
}

#ifdef Q_OS_UNIX
bool inGroup(uint group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    groups.resize(static_cast<std::size_t>(std::max(::getgroups(count, groups.data()), 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}
#endif

// Root may write anywhere, so access(2) would call every folder writable: the permission bits
// say whether the folder is meant to be written, by root as by anyone.
bool writableByPermission(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
#ifdef Q_OS_UNIX
    const QFileDevice::Permissions bits = info.permissions();
    if (info.ownerId() == ::geteuid())
        return bits.testFlag(QFileDevice::WriteOwner);
    if (inGroup(info.groupId()))
        return bits.testFlag(QFileDevice::WriteGroup);
    return bits.testFlag(QFileDevice::WriteOther);
#else
    return info.isWritable();
#endif
}

// The first place looked for a side file is beside the executable; an installed program then
// falls back on its data folder. Neither there: the first place, for the message to name.
QString sideFile(const QString &besideBase, const QString &dataFolder, const QString &suffix,
                 const QString &nomBase)
{
    const QString beside = besideBase + suffix;
    if (QFileInfo::exists(beside) || dataFolder.isEmpty())
        return beside;
    const QString installed = dataFolder + QLatin1Char('/') + nomBase + suffix;
    return QFileInfo::exists(installed) ? QDir::toNativeSeparators(installed) : beside;
}

// The English side file lies beside the French one; missing, the French one serves.
QString inLanguage(const QString &frenchPath)
{
    if (langue() != Langue::Anglais || !frenchPath.endsWith(QLatin1String(".TXT")))
        return frenchPath;
    const QString english = frenchPath.chopped(4) + QStringLiteral("_en.TXT");
    return QFileInfo::exists(english) ? english : frenchPath;
}

} // namespace

QString Chemin_Fichier_INI()
{
    if (!QCoreApplication::instance())
        return Chemin_Fichier_INI(QString(), QString());
    QString executable = QCoreApplication::applicationFilePath();
    if (const QString &owner = state().executableFichiers; !owner.isEmpty())
        executable = QFileInfo(executable).dir().filePath(owner);
    return Chemin_Fichier_INI(executable, QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')));
}

QString Chemin_Fichier_INI(const QString &executablePath, const QString &commandLine)
{
    const QFileInfo executable(QDir::fromNativeSeparators(executablePath));
    QString folder = QDir::toNativeSeparators(executable.path());
    if (!folder.endsWith(QDir::separator())) // a root folder already ends with one
        folder += QDir::separator();

    State &s = state();
    s.sautLigne = QStringLiteral("\r\n");
    s.modeDiagnostic = diagnosticPosition(commandLine);
    s.nomBase = withoutRevisionTag(executableName(executable.fileName()));
    const QString base = folder + s.nomBase;

    // An installed program is recognised by its data folder, where the install put it.
    const QString executableFolder = executable.path();
    QString dataFolder = QDir::cleanPath(executableFolder + QLatin1Char('/')
                                         + QLatin1String(CHRONALYS_DATA_FROM_BIN));
    if (executablePath.isEmpty() || !QFileInfo(dataFolder).isDir())
        dataFolder.clear();

    s.cheminAide = sideFile(base, dataFolder, QStringLiteral("_Aide.TXT"), s.nomBase);
    s.cheminAlarme = sideFile(base, dataFolder, QStringLiteral("_Alarme.TXT"), s.nomBase);

    // A portable copy keeps its settings with it; an installed one must not write into the
    // system's folders (root could), nor lose them silently where it cannot write.
    const QString iniBeside = base + QStringLiteral(".INI");
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const bool beside = QFileInfo::exists(iniBeside) || userFolder.isEmpty()
        || (dataFolder.isEmpty() && writableByPermission(executableFolder));
    s.iniDansDossierUtilisateur = !beside;
    s.cheminIni = beside ? iniBeside
                         : QDir::toNativeSeparators(userFolder + QLatin1Char('/') + s.nomBase
                                                    + QStringLiteral(".INI"));
    return base;
}

QString Saut_Ligne() { return state().sautLigne; }
int Mode_Diagnostic() { return state().modeDiagnostic; }
QString Nom_Base() { return state().nomBase; }
QString Chemin_INI() { return state().cheminIni; }
QString Chemin_Aide() { return inLanguage(state().cheminAide); }
QString Chemin_Alarme() { return inLanguage(state().cheminAlarme); }
int Compte_Sauve() { return state().compteSauve; }
int Compte_Restaure() { return state().compteRestaure; }

void useFilesOf(const QString &executableName)
{
    state().executableFichiers = executableName;
}

void reinitialiser()
{
    state() = State();
}

QString Lire_INI(const QString &section, const QString &key, const QString &defaultValue,
                 const QString &file)
{
    return detail::readValue(IniDocument::load(detail::settingsPath(file)), section, key,
                             defaultValue);
}

void Ecrire_INI(const QString &section, const QString &key, const QString &value,
                const QString &file)
{
    Ecrire_INI(QList<EntreeINI>{{section, key, value}}, file);
}

void Ecrire_INI(const QList<EntreeINI> &entries, const QString &file)
{
    const QString path = detail::settingsPath(file);
    bool readable = true;
    IniDocument document = IniDocument::load(path, &readable);
    if (!readable) {
        warnWriteFailure(path, QStringLiteral("fichier illisible, laissé tel quel"));
        return;
    }
    for (const EntreeINI &entry : entries)
        document.setValue(entry.section, entry.key, entry.value);
    if (!document.isModified())
        return;
    if (state().iniDansDossierUtilisateur && path == state().cheminIni)
        QDir().mkpath(QFileInfo(path).path()); // a first run: the user folder is made on demand
    QString error;
    if (!saveAtomically(path, document.toBytes(), &error))
        warnWriteFailure(path, error);
}

namespace detail {

QString settingsPath(const QString &file)
{
    return file.isEmpty() ? Chemin_INI() : file;
}

QString readValue(const IniDocument &document, const QString &section, const QString &key,
                  const QString &defaultValue)
{
    const std::optional<QString> stored = document.value(section, key);
    if (!stored) {
        QString value = defaultValue;
        while (!value.isEmpty() && isBlank(value.back()))
            value.chop(1);
        return cut(value);
    }
    const QString &value = *stored;
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return cut(value.mid(1, value.size() - 2));
    return cut(value);
}

int takeSaveNumber()
{
    int &count = state().compteSauve;
    return count < Int16Max ? count++ : count;
}

int takeRestoreNumber()
{
    int &count = state().compteRestaure;
    return count < Int16Max ? count++ : count;
}

} // namespace detail

} // namespace Commun
