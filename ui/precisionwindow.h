#pragma once

#include "calc/precision.h"
#include "calc/realdesign.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class NumericKeyFilter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Précision du montage": how far the real design strays from T and T1, what tolerances make of
// it, which trimmer sets it right, nearby pulses, other parts, the data-sheet rules and the
// oscillator constant. It recomputes from the last design received and asks for changes through
// its signals, which the main window turns into its own handlers.
class PrecisionWindow : public QWidget {
    Q_OBJECT

public:
    // `settingsK`: the constant read at start-up, offered as "Valeur des réglages".
    PrecisionWindow(const calc::RealDesign &design, const calc::Tolerances &tolerances, double settingsK,
                    QWidget *parent = nullptr);

    void setDesign(const calc::RealDesign &design);
    void setTolerances(const calc::Tolerances &tolerances); // a design file's, as if typed
    const calc::Tolerances &tolerances() const { return m_tolerances; }

Q_SIGNALS:
    void tolerancesChanged(const calc::Tolerances &tolerances);
    // Texts in kilohms and nanofarads, written with the design's separator.
    void resistancesApplied(const QString &talon, const QString &potentiometer);
    void patternApplied(std::uint64_t pattern); // bit s-1: stage s marked
    void partsApplied(const QString &capacitor, const QString &talon);
    void constantChosen(double K); // seconds per (kilohm x nanofarad)

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void createDeviation(QWidget *column);
    void createTolerances(QWidget *column);
    void createTrimmer(QWidget *column);
    void createPulses(QWidget *column);
    void createSolutions(QWidget *column);
    void createRules(QWidget *column);
    void createConstant(QWidget *column);

    void recompute();
    void toleranceEdited(int index);
    void toleranceFinished(int index);
    void chipChosen(int index);
    void Calibrer_Click();
    // Kept as a function, so that a message on screen follows the language.
    void showMessage(std::function<QString()> text);
    void selectChip();

    QString kilohms(double value) const;
    QString general(double value) const;

    calc::RealDesign m_design;
    calc::Precision m_precision;
    calc::Tolerances m_tolerances;
    std::array<QString, 4> m_toleranceTexts; // last accepted texts, put back on a refusal
    double m_settingsK;
    double m_calibratedK = 0; // "Calibrée": the last constant in use that was no chip's nor the settings'
    double m_calibratedK4060 = 0; // of the last calibration, 0 before any
    std::function<QString()> m_messageText;
    NumericKeyFilter *m_keyFilter = nullptr;

    std::array<QGroupBox *, 7> m_Groupe{}; // in the order of the create steps
    QLabel *m_nothing = nullptr; // "nothing to assess yet"
    QLabel *m_message = nullptr; // refusals, in red
    std::array<QLabel *, 2> m_Ecart{};
    std::array<QLineEdit *, 4> m_Tolerance{};
    std::array<QLabel *, 4> m_LabelTolerance{};
    std::array<QLabel *, 3> m_Dispersion{}; // worst case T, worst case T1, statistical
    std::array<QLabel *, 4> m_Ajustable{};  // talon, trimmer, setting and travel, sweep of T
    QPushButton *m_AppliquerAjustable = nullptr;
    std::array<QLabel *, 2> m_Pulse{};
    std::array<QPushButton *, 2> m_AppliquerPulse{};
    std::array<QLabel *, 4> m_EnteteSolution{};
    std::array<std::array<QLabel *, 4>, 5> m_Solution{}; // C2, talon, T, error
    std::array<QPushButton *, 5> m_AppliquerSolution{};
    std::array<QLabel *, 4> m_Regle{};
    QLabel *m_longueDuree = nullptr; // a second counter, for a T beyond alarm 4 on the CD4060 alone
    QComboBox *m_Puce = nullptr;
    QLabel *m_ConstanteUtilisee = nullptr;
    QLabel *m_LabelPuce = nullptr;
    QLineEdit *m_MesureT = nullptr;
    QLabel *m_LabelMesureT = nullptr;
    QPushButton *m_Calibrer = nullptr;
    QLabel *m_Calibrage = nullptr;
};
