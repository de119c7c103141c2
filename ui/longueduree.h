#pragma once

#include "calc/longperiod.h"
#include "calc/realdesign.h"
#include "report/conception.h"

#include <QWidget>

#include <array>
#include <functional>

class ClickableLabel;
class ConceptionDocument;
class RecentConceptions;
class NumericKeyFilter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;

// "Longue durée": a timer of a day, a week or a month, a second counter clocked by the CD4060's
// Q14. T, T1, the counter and the top stage are this window's own; they give a design
// (calc::designLong) whose parts and marks, typed over, give the real timing. From the main
// window it takes only the series, the constant, the tolerances and how numbers are written.
// Its design files ("montage" of type "cascade") are its own: its "Fichier" menu, its title.
class LongueDureeWindow : public QWidget {
    Q_OBJECT

public:
    // T and T1 of `design` fill the fields when they are above 0. `recents`: the list its
    // "Conceptions récentes" shares with the main window; none: a list of its own.
    explicit LongueDureeWindow(const calc::RealDesign &design, RecentConceptions *recents = nullptr,
                               QWidget *parent = nullptr);

    // Zone A's T and T1 are not taken: they are another design's.
    void setDesign(const calc::RealDesign &design);

    // The design the tools windows work from, and the road its report writes.
    calc::RealDesign realDesign() const;
    calc::LongRoad longRoad() const;
    ConceptionDocument *document() const { return m_document; }

    // What the precision window's "Appliquer" calls: the same change handling as typing.
    void Appliquer_Resistances(const QString &talon, const QString &reglage); // kilohms
    void Appliquer_Condensateur(const QString &condensateur);                 // nanofarads
    void Appliquer_Motif(std::uint64_t marks); // toggles the stages that differ

Q_SIGNALS:
    // After every change of the design, the settings the main window hands in included.
    void realDesignChanged(const calc::RealDesign &design);
    void activated();
    void closed();
    // A design file is replayed here: its constant, series and tolerances are the run's.
    void conceptionSettings(const report::Conception &conception);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void retranslate();
    void writeConception(report::Conception &conception) const;
    void replayConception(const report::Conception &conception);
    void createEntry(QWidget *column);
    void createTheory(QWidget *column);
    void createParts(QWidget *column);
    void createStages(QWidget *column);
    void createTiming(QWidget *column);
    void createRules(QWidget *column);

    // T, T1, the counter, the stage or a setting changed: a new design, its parts and marks.
    void redesign(bool proposeStage);
    void partsTyped();
    void Etage_Click(int stage);
    void retime();
    void showAll();
    QString refusal() const;
    QString warnings() const;

    QString general(double value) const;
    QString shown(double value) const; // the display rule, as zone D writes seconds
    QString percent(const std::optional<double> &value) const;
    QString stageName(int stage) const; // "Q3 du second compteur (CD4040)"

    calc::LongEntry m_entry;
    calc::LongDesign m_design;
    calc::LongParts m_parts;
    calc::LongTiming m_timing;
    int m_Mode_Affichage = 4;
    char m_separator = '.';
    calc::Notation m_notation = calc::Notation::French;
    ConceptionDocument *m_document = nullptr;
    QMenu *m_Fichier = nullptr;
    std::function<QString()> m_keyMessage; // the key filter's, until the next change
    NumericKeyFilter *m_keyFilter = nullptr;

    std::array<QGroupBox *, 6> m_Groupe{}; // in the order of the create steps
    std::array<QLineEdit *, 2> m_Valeur{}; // T, T1
    std::array<QLabel *, 4> m_LabelEntree{}; // T, T1, counter, top stage
    QComboBox *m_Compteur = nullptr;
    QSpinBox *m_EtageHaut = nullptr;
    QLabel *m_Bascule = nullptr; // which output clocks the flip-flop
    std::array<QLabel *, 3> m_LabelTheorie{}, m_Theorie{}; // oscillator period, C2, R2
    std::array<QLabel *, 3> m_LabelComposant{};
    std::array<QLineEdit *, 3> m_Composant{}; // C2 (nF), talon and trimmer setting (kilohms)
    QLabel *m_LabelAjustable = nullptr;
    QLabel *m_Ajustable = nullptr;     // the trimmer to buy
    QLabel *m_Avertissement = nullptr; // parts out of range
    std::array<QLabel *, 2> m_LabelCompteurs{}; // second counter, CD4060
    // Index: the stage, 1 to 28; 0 unused.
    std::array<QLabel *, 29> m_NomEtage{};
    std::array<ClickableLabel *, 29> m_Etage{};
    QLabel *m_SansBroche = nullptr; // marked stages without a pin
    std::array<QLabel *, 4> m_LabelReel{}, m_Reel{}; // T, T1, oscillator period, Rs
    std::array<QLabel *, 2> m_Ecart{};               // of T and T1, percent
    std::array<QLabel *, 4> m_Regle{};
    QLabel *m_Message = nullptr; // refusals, in red
};
