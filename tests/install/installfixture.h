#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Set by tests/CMakeLists.txt from the build's install layout.
inline const QString AppId = QStringLiteral(CHRONALYS_APP_ID);
inline const QString BinDir = QStringLiteral(CHRONALYS_BINDIR);
inline const QString DataRootDir = QStringLiteral(CHRONALYS_DATAROOTDIR);
inline const QString DataDir = QStringLiteral(CHRONALYS_DATA_DIR);
inline const QString Executable = QStringLiteral("Chronalys_CD4060");

inline QString sourceFile(const QString &relative)
{
    return QStringLiteral(CHRONALYS_SOURCE_DIR "/") + relative;
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Ran {
    int exitCode = -1;
    QByteArray output; // stdout and stderr together, for messages
    QByteArray standardOutput;
};

inline Ran run(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Ran ran;
    if (!process.waitForStarted(30000)) {
        ran.output = program.toUtf8() + ": " + process.errorString().toUtf8();
        return ran;
    }
    process.waitForFinished(300000);
    ran.standardOutput = process.readAllStandardOutput();
    ran.output = ran.standardOutput + process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        ran.exitCode = process.exitCode();
    return ran;
}

// Every file the install puts down, relative to the prefix.
inline QStringList expectedInstalledFiles()
{
    const QString icons = DataRootDir + QStringLiteral("/icons/hicolor/");
    return {
        BinDir + QLatin1Char('/') + Executable,
        BinDir + QStringLiteral("/chronalys-calcul"),
        DataRootDir + QStringLiteral("/man/man1/chronalys-calcul.1.gz"),
        DataRootDir + QStringLiteral("/man/fr/man1/chronalys-calcul.1.gz"),
        DataDir + QStringLiteral("/Chronalys_CD4060_Alarme.TXT"),
        DataDir + QStringLiteral("/Chronalys_CD4060_Aide.TXT"),
        DataDir + QStringLiteral("/Chronalys_CD4060_Alarme_en.TXT"),
        DataDir + QStringLiteral("/Chronalys_CD4060_Aide_en.TXT"),
        DataRootDir + QStringLiteral("/applications/") + AppId + QStringLiteral(".desktop"),
        DataRootDir + QStringLiteral("/metainfo/") + AppId + QStringLiteral(".metainfo.xml"),
        DataRootDir + QStringLiteral("/mime/packages/") + AppId + QStringLiteral(".xml"),
        icons + QStringLiteral("scalable/apps/") + AppId + QStringLiteral(".svg"),
        icons + QStringLiteral("48x48/apps/") + AppId + QStringLiteral(".png"),
        icons + QStringLiteral("256x256/apps/") + AppId + QStringLiteral(".png"),
        DataRootDir + QStringLiteral("/man/man1/") + Executable + QStringLiteral(".1.gz"),
        DataRootDir + QStringLiteral("/man/fr/man1/") + Executable + QStringLiteral(".1.gz"),
        DataRootDir + QStringLiteral("/doc/chronalys-cd4060/changelog.gz"),
        DataRootDir + QStringLiteral("/doc/chronalys-cd4060/copyright"),
    };
}

// Points the user's configuration folder (XDG_CONFIG_HOME) elsewhere while it lives.
class ConfigHome {
public:
    explicit ConfigHome(const QString &folder)
        : m_had(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), m_old(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    }
    ~ConfigHome()
    {
        if (m_had)
            qputenv("XDG_CONFIG_HOME", m_old);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ConfigHome(const ConfigHome &) = delete;
    ConfigHome &operator=(const ConfigHome &) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

// Where the installed program keeps its settings under a configuration folder, written out by
// hand from the XDG layout rather than asked of QStandardPaths as the program does.
inline QString userSettings(const QString &configHome)
{
    return configHome + QStringLiteral("/Chronalys_CD4060/Chronalys_CD4060.INI");
}
