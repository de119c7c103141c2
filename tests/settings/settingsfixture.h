#pragma once

#include "settings/commun.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <string_view>

using namespace std::literals;

inline QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }
inline QString text(const char *utf8) { return QString::fromUtf8(utf8); }

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Every file a test writes lives in its own temporary folder, and the module starts afresh.
template <typename Row>
class SettingsFixture : public testing::TestWithParam<Row>
{
protected:
    void SetUp() override
    {
        Commun::reinitialiser();
        ASSERT_TRUE(m_dir.isValid());
    }
    void TearDown() override { Commun::reinitialiser(); }

    QString path(const char *name = "Chronalys_CD4060.INI") const { return m_dir.filePath(QString::fromLatin1(name)); }
    // The settings file, holding `contents`, or absent.
    QString settingsFile(const std::optional<QByteArray> &contents) const
    {
        if (contents)
            writeBytes(path(), *contents);
        return path();
    }

    QTemporaryDir m_dir;
};

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}
