#pragma once

#include "report/conception.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

// The design files opened or saved last, newest first, at most Commun::MaxRecents: one list that
// every window's "Conceptions récentes" shows.
class RecentConceptions : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    const QStringList &paths() const { return m_paths; }
    void setPaths(const QStringList &paths);
    void remember(const QString &path); // absolute, first
    void forget(const QString &path);   // as given: a file that vanished
    void clear();

Q_SIGNALS:
    void changed();

private:
    QStringList m_paths;
};

// The design file of one window: "Ouvrir", "Enregistrer", "Enregistrer sous", the recent
// designs, the title with its asterisk and the question before the design on screen is left.
// The window says how its controls write a design file and how one is replayed through its
// handlers; the document never touches a control.
class ConceptionDocument : public QObject {
    Q_OBJECT

public:
    struct Window {
        // The controls' design written over `conception`, which holds the open file's name, note
        // and keys of later versions.
        std::function<void(report::Conception &conception)> write;
        // Through the window's handlers, as if typed.
        std::function<void(const report::Conception &conception)> replay;
        // The window's title; `nom` is empty while no design file is open.
        std::function<QString(const QString &nom)> title;
    };
    // Which window's document replays a file read whole: the one its montage belongs to.
    using Route = std::function<ConceptionDocument *(const report::Conception &conception)>;

    ConceptionDocument(QWidget *window, Window hooks, RecentConceptions *recents);

    void setRoute(Route route) { m_route = std::move(route); }
    // Ouvrir, Enregistrer, Enregistrer sous and the recent designs' submenu, at the end of `fichier`.
    void createMenu(QMenu *fichier);
    void retranslate();

    // A file that cannot be read changes nothing and a message names it; false then. A readable
    // file goes to the document the route gives, after its own question.
    bool open(const QString &path);
    bool save(const QString &path, const QString &nom); // the old file stays on failure
    // Asks the design's name, then saves; false when the user cancels or the save fails.
    bool saveAs(QString path);
    // Before the design on screen is left: false when the user cancels or the save fails.
    bool unsavedChangesHandled();
    void refreshTitle();

    QString path() const { return m_path; } // empty: no design file open
    const report::Conception &saved() const { return m_saved; }
    bool modified() const;

    void Ouvrir_Click();
    bool Enregistrer_Click();
    bool Enregistrer_Sous_Click();

Q_SIGNALS:
    // A file opened or saved: its name and note changed.
    void fileChanged();

private:
    bool replay(const QString &path, const report::Conception &conception);
    report::Conception shown() const;
    void fillRecents();

    QWidget *m_window;
    Window m_hooks;
    RecentConceptions *m_recents;
    Route m_route;
    QString m_path;
    report::Conception m_saved; // what the file held once opened or saved
    std::array<QAction *, 3> m_Conception{}; // Ouvrir, Enregistrer, Enregistrer sous
    QMenu *m_Recents = nullptr;
};
