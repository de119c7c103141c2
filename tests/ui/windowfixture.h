#pragma once

#include "ui/beep.h"
#include "ui/chronalys_cd4060.h"
#include "settings/commun.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window started from a temporary folder that holds its side files.
class WindowTest : public testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString settingsPath() const { return path(QStringLiteral("Chronalys_CD4060.INI")); }

    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start(const QString &commandLine = {}, char separator = '.')
    {
        m_window.reset();
        Commun::reinitialiser();
        LaunchOptions options{path(QStringLiteral("Chronalys_CD4060")), commandLine, separator};
        m_window = std::make_unique<Chronalys_CD4060>(options);
        m_window->setEndProgram([this] { ++m_endings; });
        m_window->show();
    }

    template <class T = QLabel>
    T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString caption(const QString &name) const { return control<QLabel>(name)->text(); }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(name); }
    QComboBox *combo(int index) const
    {
        return control<QComboBox>(QStringLiteral("ResistanceCombo(%1)").arg(index));
    }
    QAction *action(const QString &name) const { return control<QAction>(name); }

    // Replaces a field's text by typing, as a user would.
    void retype(QLineEdit *edit, const QString &typed)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }

    void click(const QString &name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

    bool alarmShown() const { return !control<QLabel>(QStringLiteral("Alarme"))->isHidden(); }
    QString alarmCaption() const
    {
        return control<QLabel>(QStringLiteral("Alarme"))->property("caption").toString();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Chronalys_CD4060> m_window;
    int m_endings = 0;
};
