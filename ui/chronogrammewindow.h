#pragma once

#include "calc/chronogram.h"
#include "calc/realdesign.h"

#include <QWidget>

class QPushButton;
class QScrollArea;

// "Chronogramme": what the circuit of the design sheet does over time, for the last real design
// the main window gave out (setDesign). The drawing can be saved as SVG, PDF or PNG.
class ChronogrammeWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChronogrammeWindow(const calc::RealDesign &design, QWidget *parent = nullptr);

    void setDesign(const calc::RealDesign &design);
    const calc::RealDesign &design() const { return m_design; }

    void Enregistrer_Click();
    // Writes the picture, format by extension; a failure shows a message. True when written.
    bool saveTo(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    calc::RealDesign m_design;
    calc::Chronogram m_chronogram;
    QScrollArea *m_defilement = nullptr;
    QWidget *m_dessin = nullptr;
    QPushButton *m_enregistrer = nullptr;
    QString m_lastPath; // where the last file went, offered again
};
