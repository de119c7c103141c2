#pragma once

#include "ui/montagesheet.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

// The assembly sheet of the current real design: drawing, parts list to select and copy, and
// the sheet saved, printed or copied. Follows the main window through setDesign().
class FeuilleMontage : public QWidget {
    Q_OBJECT

public:
    explicit FeuilleMontage(const calc::RealDesign &design, QWidget *parent = nullptr);

    void setDesign(const calc::RealDesign &design);
    void setConception(const QString &name, const QString &note); // the design file open
    const Sheet &sheet() const { return m_sheet; }

    void Enregistrer_Click();
    void Imprimer_Click();
    void Copier_Click();
    // Writes the sheet, format by extension; a failure shows a message. True when written.
    bool saveTo(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showParts(); // the parts list and its notes, in the interface's language
    void copySelection() const;

    Sheet m_sheet;
    QWidget *m_dessin = nullptr;
    QTableWidget *m_nomenclature = nullptr;
    QLabel *m_notes = nullptr;
    QPushButton *m_enregistrer = nullptr;
    QPushButton *m_imprimer = nullptr;
    QPushButton *m_copier = nullptr;
    QString m_lastPath; // where the last file went, offered again
};
