#pragma once

#include "ui/alarmes.h"
#include "ui/conceptiondocument.h"
#include "ui/chronogrammewindow.h"
#include "ui/feuilleaide.h"
#include "ui/feuillemontage.h"
#include "ui/longueduree.h"
#include "calc/precision.h"
#include "ui/precisionwindow.h"
#include "calc/realdesign.h"
#include "calc/road.h"
#include "report/conception.h"
#include "ui/schemawindow.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class CaptionLabel;
class ClickableLabel;
class NumericKeyFilter;
class Picture;
class PictureButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class TitledFrame;

namespace Commun {
enum class Langue;
class PlaceFenetre;
}

struct LaunchOptions {
    QString executablePath; // decides where the side files are
    QString commandLine;    // arguments after the program name, joined by spaces
    char decimalSeparator = '.'; // the one the running system writes
};

// The main window: entry of T and T1 (zone A), theoretical parts (B), real parts (C) and the
// timing they give (D). Handlers are named after their control and event.
class Chronalys_CD4060 : public QMainWindow {
    Q_OBJECT

public:
    explicit Chronalys_CD4060(const LaunchOptions &options, QWidget *parent = nullptr);
    ~Chronalys_CD4060() override;

    void Valeur_Change(int index);
    void Calcul_F_vers_RC_Click();
    void Affichage_Click(int index);
    void E12E24_Click(int index);
    void Conversion_reelle_Click(int index);
    void Calcul_RC_vers_F_Click();
    void ResistanceCombo_Change(int index);
    void CondensateurReel_Change();
    void QrOnOff_Click(int index);
    void TestEntre_Change();
    void VisuAlarme(int numero);
    void Timer1_Timer();
    void QQ_Click(int index);
    void Command1_Click();
    void Aide_Click(int index);
    void VisuSchema_Click();
    void Outils_Click(int index);
    void Langue_Click(int index); // 0 Français, 1 English

    // What the tools windows' "Appliquer" buttons call: the same change handling as typing.
    void Appliquer_Resistances(const QString &talon, const QString &potentiometre); // kilohms
    void Appliquer_Condensateur(const QString &condensateur);                       // nanofarads
    void Appliquer_Motif(int motif); // toggles the marks of zone C that differ
    // The constant for this run: zone D at once, zone B at the next "Calcul", K4060 on "Quitter".
    void setConstante_K4060(double constante);

    // Design files. Opening replays the file through the handlers above, as if typed; a file
    // that cannot be read changes nothing and a message names it. Both return false then.
    // A file of the "Longue durée" window opens there, the window opened if need be.
    bool Ouvrir_Conception(const QString &path) { return m_document->open(path); }
    // The old file stays on failure.
    bool Enregistrer_Conception(const QString &path, const QString &nom) { return m_document->save(path, nom); }
    // Asks the design's name, then saves; false when the user cancels or the save fails.
    bool Enregistrer_Sous(const QString &path) { return m_document->saveAs(path); }
    QString conceptionPath() const { return m_document->path(); } // empty: no design file open
    bool conceptionModified() const { return m_document->modified(); }
    const QStringList &recents() const { return m_recents->paths(); }
    ConceptionDocument *document() const { return m_document; }

    // How "Quitter" and "Fin" end the program; tests replace it to stay alive.
    void setEndProgram(std::function<void()> endProgram) { m_endProgram = std::move(endProgram); }

    double Constante_K4060() const { return m_Constante_K4060; }
    int Compte_Alarme() const { return m_Compte_Alarme; }
    const LignesAlarme &Lignes_Alarme() const { return m_Lignes_Alarme; }
    FeuilleAide *feuilleAide() const { return m_feuilleAide; }
    Chronalys_CD4060_Schema *schema() const { return m_schema; }
    PrecisionWindow *precision() const { return m_precision; }
    const calc::Tolerances &tolerances() const { return m_tolerances; }
    FeuilleMontage *feuilleMontage() const { return m_feuilleMontage; }
    ChronogrammeWindow *chronogramme() const { return m_chronogramme; }
    LongueDureeWindow *longueDuree() const { return m_longueDuree; }

    // The real design as the window shows it now.
    calc::RealDesign realDesign() const;
    // The window the user worked in last: its design is the one the tools windows show.
    enum class Source { Principale, LongueDuree };
    Source source() const { return m_source; }

Q_SIGNALS:
    // After every real-timing run and every entry of T or T1.
    void realDesignChanged(const calc::RealDesign &design);
    // The design the tools windows show: this window's, or the "Longue durée" window's.
    void toolsDesignChanged(const calc::RealDesign &design);

protected:
    void closeEvent(QCloseEvent *event) override; // Form_QueryUnload
    void changeEvent(QEvent *event) override;
    // The numbers on show written again as the interface's language writes them.
    void renotate();

private:
    void Form_Load(const LaunchOptions &options);
    void Termine();

    void createMenus();
    void createDrawingAndButtons(QWidget *client);
    void createZoneA(QWidget *client);
    void createZoneB(QWidget *client);
    void createZoneC(QWidget *client);
    void createZoneD(QWidget *client);
    void createDiagnostics(QWidget *client);
    void createOutputRows();
    void setTabOrder();
    // Every text the user reads, in the interface's language; the texts that show state stay.
    void retranslate();
    void retranslateMenus();

    void setOutputMark(QLabel *mark, int n, bool on, bool red); // n: the output's number
    void nameOutputMark(QLabel *mark, int n); // what a screen reader says of its state
    void showAlarmCaption(); // line m_Numero_Alarme of the alarm file
    int markedPattern() const; // bit k-1: QrOnOff(k) reads "On"
    void setResistanceText(int index, const QString &text);
    // The road of the design as the controls show it (the alarms shown are not kept).
    calc::Road shownRoad() const;

    // Design files: what the controls write into one, and its replay through the handlers.
    void writeConception(report::Conception &conception) const;
    void replayConception(const report::Conception &conception);
    // The document of the window a file's montage belongs to; opens "Longue durée" if need be.
    ConceptionDocument *documentFor(const report::Conception &conception);
    // Both windows' designs, asked in turn: false when the user cancels one.
    bool unsavedChangesHandled();
    LongueDureeWindow *openLongueDuree();

    // The tools windows follow `source`: its design, its file's name, their titles.
    void setSource(Source source);
    calc::RealDesign sourceDesign() const;
    ConceptionDocument *sourceDocument() const;
    void showSource(); // titles and the sheet's title block
    // A change made from a tools window or a file of the other window: the source stays.
    template <class Change>
    void quietly(Change change);

    // Calculation state; periods in seconds.
    double m_Periode_T = 0;
    double m_Pulse_T1 = 0;
    double m_Periode_Oscillateur = 0;
    double m_Constante_K4060 = 2.8e-6; // seconds per (kilohm x nanofarad)
    QString m_texteK4060;              // "K4060" as stored, written back unchanged until changed
    double m_K4060_Reglages = 2.8e-6;  // the constant read at start-up
    calc::Tolerances m_tolerances;     // section "precision"
    int m_Motif_Q = 0;                 // bit n-1: output Qn takes a diode
    double m_R2_Theorique = 0;         // kilohms
    int m_Pas_Serie = 1;               // 1 = E24, 2 = E12
    int m_Mode_Affichage = 4;          // 0 raw, 1 to 5 significant digits
    char m_systemSeparator = '.';
    char m_separator = '.'; // what numbers are written with: the system's, or '.' in English
    calc::Notation m_notation = calc::Notation::French;
    bool m_testShown = false; // TestSort shows the test entry's number, no longer its first caption

    QString m_Fichier_Alarme;
    LignesAlarme m_Lignes_Alarme;
    int m_Compte_Alarme = 0; // ticks before the message comes down; -1 when none is up
    int m_Numero_Alarme = -1; // the message shown last, shown again in a new language
    std::optional<Commun::Langue> m_langueChoisie; // set once the user picks one in the menu

    std::function<void()> m_endProgram;

    RecentConceptions *m_recents = nullptr; // both windows'
    ConceptionDocument *m_document = nullptr;
    Source m_source = Source::Principale;
    bool m_quiet = false;   // this window's changes leave the source as it is
    bool m_feeding = false; // "Longue durée" follows this window's settings: not the user's change

    // Menus: Fichier, Serie, Significatif, Outils, ?
    std::array<QMenu *, 5> m_menus{};
    QAction *m_VisuSchema = nullptr;
    QMenu *m_Langues = nullptr;
    std::array<QAction *, 2> m_Langue{};
    std::array<QAction *, 2> m_QQ{};
    std::array<QAction *, 3> m_E12E24{};
    std::array<QAction *, 6> m_Affichage{};
    std::array<QAction *, 2> m_Aide{};
    std::array<QAction *, 5> m_Outils{};

    // Whole window
    Picture *m_Dessin_Tempo = nullptr;
    Picture *m_Picture1 = nullptr;
    CaptionLabel *m_Alarme = nullptr;
    PictureButton *m_Calcul_F_vers_RC = nullptr;
    PictureButton *m_Calcul_RC_vers_F = nullptr;
    std::array<PictureButton *, 2> m_Conversion_reelle{}; // [0] = E12, [1] = E24
    QPushButton *m_Command1 = nullptr;
    QLineEdit *m_TestEntre = nullptr;
    QLabel *m_TestSort = nullptr;
    QTimer *m_Timer1 = nullptr;
    NumericKeyFilter *m_keyFilter = nullptr;

    // Frames: Frame1(0 to 3), Frame2(0 to 1), Frame3(0 to 1)
    std::array<TitledFrame *, 4> m_Frame1{};
    std::array<TitledFrame *, 2> m_Frame2{};
    std::array<TitledFrame *, 2> m_Frame3{};

    // Zone A and D
    std::array<QLineEdit *, 2> m_Valeur{};
    std::array<QLabel *, 6> m_FrequenceOscillateur{};
    QLabel *m_T_reel = nullptr;
    QLabel *m_T1_reel = nullptr;

    // Zone B and C
    std::array<QLabel *, 4> m_CondensateurCalcul{};
    std::array<QLabel *, 4> m_ResistanceCalcul{};
    QLineEdit *m_CondensateurReel = nullptr;
    std::array<QComboBox *, 2> m_ResistanceCombo{};
    std::array<QLabel *, 2> m_Plus{}; // the units after the two resistor fields
    QLabel *m_ValeurRs = nullptr;

    // Output rows, element 0 of each is the hidden template
    std::array<QLabel *, 14> m_Qc{};
    std::array<QLabel *, 14> m_QcOnOff{};
    std::array<QLabel *, 14> m_Qr{};
    std::array<ClickableLabel *, 14> m_QrOnOff{};

    // Sections Position_1 to Position_6: schéma, aide, précision, feuille de montage, chronogramme,
    // longue durée.
    std::array<Commun::PlaceFenetre *, 6> m_places{};
    QPointer<FeuilleAide> m_feuilleAide;
    QPointer<Chronalys_CD4060_Schema> m_schema;
    QPointer<PrecisionWindow> m_precision;
    QPointer<FeuilleMontage> m_feuilleMontage;
    QPointer<ChronogrammeWindow> m_chronogramme;
    QPointer<LongueDureeWindow> m_longueDuree; // made at its first opening
};
