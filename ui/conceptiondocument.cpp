#include "ui/conceptiondocument.h"

#include "settings/parametres.h"
#include "ui/captionfit.h"
#include "ui/messagebox.h"
#include "ui/savedialog.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QWidget>

void RecentConceptions::setPaths(const QStringList &paths)
{
    m_paths = paths;
    Q_EMIT changed();
}

void RecentConceptions::remember(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > Commun::MaxRecents)
        m_paths.removeLast();
    Q_EMIT changed();
}

void RecentConceptions::forget(const QString &path)
{
    if (m_paths.removeAll(path) > 0)
        Q_EMIT changed();
}

void RecentConceptions::clear()
{
    m_paths.clear();
    Q_EMIT changed();
}

ConceptionDocument::ConceptionDocument(QWidget *window, Window hooks, RecentConceptions *recents)
    : QObject(window), m_window(window), m_hooks(std::move(hooks)), m_recents(recents)
{
    connect(m_recents, &RecentConceptions::changed, this, &ConceptionDocument::fillRecents);
}

void ConceptionDocument::createMenu(QMenu *fichier)
{
    m_Conception[0] = fichier->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                         &ConceptionDocument::Ouvrir_Click);
    m_Conception[1] = fichier->addAction(QString(), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                                         &ConceptionDocument::Enregistrer_Click);
    m_Conception[2] = fichier->addAction(QString(), this, &ConceptionDocument::Enregistrer_Sous_Click);
    for (std::size_t i = 0; i < m_Conception.size(); ++i)
        m_Conception[i]->setObjectName(QStringLiteral("Conception(%1)").arg(i));
    m_Recents = fichier->addMenu(QString());
    m_Recents->setObjectName(QStringLiteral("Recents"));
}

void ConceptionDocument::retranslate()
{
    m_Conception[0]->setText(tr("&Ouvrir…"));
    m_Conception[1]->setText(tr("&Enregistrer"));
    m_Conception[2]->setText(tr("Enregistrer &sous…"));
    m_Recents->setTitle(tr("Conceptions &récentes"));
    fillRecents();
    refreshTitle();
}

report::Conception ConceptionDocument::shown() const
{
    report::Conception conception = m_saved; // name, note and keys of later versions
    m_hooks.write(conception);
    return conception;
}

bool ConceptionDocument::modified() const { return !m_path.isEmpty() && shown() != m_saved; }

void ConceptionDocument::refreshTitle()
{
    if (m_path.isEmpty()) {
        m_window->setWindowTitle(m_hooks.title(QString()));
        m_window->setWindowModified(false);
        return;
    }
    // "[*]" is where Qt shows the asterisk of a modified document.
    m_window->setWindowTitle(m_hooks.title(m_saved.nom) + QStringLiteral("[*]"));
    m_window->setWindowModified(modified());
}

bool ConceptionDocument::open(const QString &path)
{
    const report::ConceptionRead read = report::readConception(path);
    if (!read.conception) {
        if (!QFileInfo::exists(path))
            m_recents->forget(path);
        showMessageBox(m_window, QMessageBox::Warning, tr("Ouvrir une conception"), read.error);
        return false;
    }
    ConceptionDocument *target = m_route ? m_route(*read.conception) : this;
    if (target != this && !target->unsavedChangesHandled())
        return false;
    return target->replay(path, *read.conception);
}

bool ConceptionDocument::replay(const QString &path, const report::Conception &conception)
{
    m_hooks.replay(conception);
    m_path = path;
    m_saved = conception;
    // What the replay shows is the saved state, tidied texts included.
    m_saved = shown();
    m_recents->remember(path);
    refreshTitle();
    Q_EMIT fileChanged();
    return true;
}

bool ConceptionDocument::save(const QString &path, const QString &nom)
{
    report::Conception conception = shown();
    conception.nom = nom;
    const QString failure = report::writeConception(conception, path);
    if (!failure.isEmpty()) {
        showMessageBox(m_window, QMessageBox::Warning, tr("Enregistrer la conception"), failure);
        return false;
    }
    m_path = path;
    m_saved = conception;
    m_recents->remember(path);
    refreshTitle();
    Q_EMIT fileChanged();
    return true;
}

void ConceptionDocument::Ouvrir_Click()
{
    if (!unsavedChangesHandled())
        return;
    const QString path = chooseFile(m_window, QFileDialog::AcceptOpen, tr("Ouvrir une conception"),
                                    QFileInfo(m_path).path(), {tr("Conceptions Chronalys CD4060 (*.cd4060)")});
    if (!path.isEmpty())
        open(path);
}

bool ConceptionDocument::Enregistrer_Click()
{
    if (m_path.isEmpty())
        return Enregistrer_Sous_Click();
    return save(m_path, m_saved.nom);
}

bool ConceptionDocument::Enregistrer_Sous_Click()
{
    const QString path = chooseFile(m_window, QFileDialog::AcceptSave, tr("Enregistrer la conception"),
                                    m_path.isEmpty() ? QDir::homePath() : m_path,
                                    {tr("Conceptions Chronalys CD4060 (*.cd4060)")});
    return !path.isEmpty() && saveAs(path);
}

bool ConceptionDocument::saveAs(QString path)
{
    if (!path.endsWith(QLatin1String(".cd4060"), Qt::CaseInsensitive))
        path += QLatin1String(".cd4060");
    QInputDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("NomConception"));
    dialog.setWindowTitle(tr("Enregistrer la conception"));
    dialog.setLabelText(tr("Nom de la conception :"));
    dialog.setTextValue(m_saved.nom.isEmpty() ? QFileInfo(path).completeBaseName() : m_saved.nom);
    keepTitleWhole(&dialog);
    return dialog.exec() == QDialog::Accepted && save(path, dialog.textValue());
}

bool ConceptionDocument::unsavedChangesHandled()
{
    if (!modified())
        return true;
    const QMessageBox::StandardButton answer =
        askToSaveBox(m_window, m_window->windowTitle().remove(QStringLiteral("[*]")),
                     tr("Enregistrer les modifications de « %1 » ?").arg(m_saved.nom));
    if (answer == QMessageBox::Save)
        return Enregistrer_Click();
    return answer == QMessageBox::Discard;
}

void ConceptionDocument::fillRecents()
{
    if (m_Recents == nullptr)
        return;
    m_Recents->clear();
    const QStringList &recents = m_recents->paths();
    for (int i = 0; i < recents.size(); ++i) {
        const QString path = recents[i];
        QAction *action = m_Recents->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("Recent(%1)").arg(i));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (unsavedChangesHandled())
                open(path);
        });
    }
    m_Recents->addSeparator();
    QAction *clear = m_Recents->addAction(tr("&Effacer la liste"));
    clear->setObjectName(QStringLiteral("EffacerRecents"));
    clear->setEnabled(!recents.isEmpty());
    // Greyed while empty: a submenu with nothing to choose would open and do nothing.
    m_Recents->menuAction()->setEnabled(!recents.isEmpty());
    connect(clear, &QAction::triggered, m_recents, &RecentConceptions::clear);
}
