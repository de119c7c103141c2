#include "ui/chronalys_cd4060.h"

#include "report/longperiod.h"
#include "report/text.h"

#include "ui/aide.h"
#include "ui/beep.h"
#include "ui/captionfit.h"
#include "ui/captionlabel.h"
#include "ui/clickablelabel.h"
#include "settings/commun.h"
#include "settings/language.h"
#include "calc/conversion.h"
#include "calc/design.h"
#include "calc/entry.h"
#include "ui/feuilleaide.h"
#include "ui/messagebox.h"
#include "ui/numerickeyfilter.h"
#include "calc/numbertext.h"
#include "settings/parametres.h"
#include "ui/picturebutton.h"
#include "ui/tooltitle.h"
#include "settings/position.h"
#include "calc/realtiming.h"
#include "ui/schemawindow.h"
#include "calc/tables.h"
#include "ui/titledframe.h"
#include "ui/twips.h"
#include "ui/windowfont.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <cmath>

namespace {

const QColor Rouge(255, 0, 0);

std::string text(const QString &value) { return value.toStdString(); }
QString qtext(const std::string &value) { return QString::fromStdString(value); }

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont boldFont(int pointSize) { return windowFont(pointSize, QFont::Bold); }

void setBackground(QWidget *widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QApplication::palette().color(role));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBoldFont(QLabel *label, int pointSize)
{
    label->setFont(boldFont(pointSize));
    fitCaption(label);
}

template <class Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QString &caption, QRect twips,
                 Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new Label(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment(alignment | Qt::AlignTop);
    placeInTwips(label, twips.x(), twips.y(), twips.width(), twips.height());
    fitCaption(label);
    return label;
}

TitledFrame *makeFrame(QWidget *parent, const QString &name, QRect twips)
{
    auto *frame = new TitledFrame(QString(), parent);
    frame->setObjectName(name);
    placeInTwips(frame, twips.x(), twips.y(), twips.width(), twips.height());
    keepCaptionsWhole(frame);
    return frame;
}

void makeRowTemplate(QLabel *label, bool stateRow)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    if (stateRow)
        setBackground(label, QPalette::Base);
    label->hide();
}

// A created row element takes every property of its template but place, caption and state.
template <class Label>
Label *cloneLabel(const Label *model, int index, int left, int top, const QString &caption)
{
    auto *label = new Label(model->parentWidget());
    label->setObjectName(indexed(qPrintable(model->objectName().section(QLatin1Char('('), 0, 0)), index));
    label->setTextFormat(Qt::PlainText);
    label->setPalette(model->palette());
    label->setAutoFillBackground(model->autoFillBackground());
    label->setFont(model->font());
    label->setAlignment(model->alignment());
    label->setToolTip(model->toolTip());
    label->setFrameStyle(model->frameStyle());
    label->setText(caption);
    label->setGeometry(twipsToPixels(left), twipsToPixels(top), model->width(), model->height());
    return label;
}

} // namespace

Chronalys_CD4060::Chronalys_CD4060(const LaunchOptions &options, QWidget *parent)
    : QMainWindow(parent), m_systemSeparator(options.decimalSeparator),
      m_separator(calc::writtenSeparator(Commun::notation(), options.decimalSeparator)),
      m_notation(Commun::notation()),
      m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("Chronalys_CD4060"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));

    setFont(windowFont(8, QFont::Normal));
    auto *client = new QWidget(this);
    client->setFixedSize(twipsToPixels(10110), twipsToPixels(7830));
    setBackground(client, QPalette::HighlightedText);
    setCentralWidget(client);
    keepCaptionsWhole(client);

    m_keyFilter = new NumericKeyFilter([this] { VisuAlarme(3); }, this);
    m_recents = new RecentConceptions(this);
    m_document = new ConceptionDocument(
        this,
        {[this](report::Conception &conception) { writeConception(conception); },
         [this](const report::Conception &conception) { replayConception(conception); },
         [this](const QString &nom) {
             return nom.isEmpty() ? tr("Chronalys pour tempo CD4060") : tr("Chronalys pour tempo CD4060 — %1").arg(nom);
         }},
        m_recents);
    m_document->setRoute([this](const report::Conception &conception) { return documentFor(conception); });
    connect(m_document, &ConceptionDocument::fileChanged, this, &Chronalys_CD4060::showSource);
    createMenus();
    createDrawingAndButtons(client);
    createZoneA(client);
    createZoneB(client);
    createZoneC(client);
    createZoneD(client);
    createDiagnostics(client);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(500);
    // A coarse timer may fire 5 % late: 41 ticks would pass the 20.5 s a message may stay.
    m_Timer1->setTimerType(Qt::PreciseTimer);
    connect(m_Timer1, &QTimer::timeout, this, &Chronalys_CD4060::Timer1_Timer);

    connect(this, &Chronalys_CD4060::realDesignChanged, this, [this](const calc::RealDesign &design) {
        m_document->refreshTitle(); // its asterisk
        if (!m_quiet && m_source != Source::Principale)
            setSource(Source::Principale); // the tools take this design from there
        else if (m_source == Source::Principale)
            Q_EMIT toolsDesignChanged(design);
    });
    Form_Load(options);
    setTabOrder();  // after start-up has made the output rows
    retranslate();
    m_Timer1->start();
}

Chronalys_CD4060::~Chronalys_CD4060()
{
    delete m_schema.data();
    delete m_feuilleMontage.data();
    delete m_chronogramme.data();
    delete m_feuilleAide.data();
    delete m_precision.data();
    delete m_longueDuree.data();
}

template <class Change>
void Chronalys_CD4060::quietly(Change change)
{
    const bool quiet = m_quiet;
    m_quiet = true;
    change();
    m_quiet = quiet;
}

void Chronalys_CD4060::createMenus()
{
    // Titles and entries take their texts in retranslate().
    const auto addMenu = [this](std::size_t at, const char *name) {
        m_menus[at] = menuBar()->addMenu(QString());
        m_menus[at]->setObjectName(QLatin1String(name));
        return m_menus[at];
    };
    QMenu *fichier = addMenu(0, "FF");
    // The separator stands before "Quitter" whatever comes above it: Qt would fold it away at
    // the top, and a style may draw it on the menu's border without a little room above it.
    fichier->setSeparatorsCollapsible(false);
    fichier->setContentsMargins(0, 4, 0, 0);
    m_document->createMenu(fichier);
    m_QQ[0] = fichier->addSeparator();
    m_QQ[1] = fichier->addAction(QString());
    m_QQ[1]->setShortcut(QKeySequence::Quit);
    // From the tools windows too: they have no menu of their own.
    m_QQ[1]->setShortcutContext(Qt::ApplicationShortcut);

    QMenu *serie = addMenu(1, "SS");
    m_E12E24[0] = serie->addAction(QStringLiteral("bidon"));
    m_E12E24[1] = serie->addAction(QString());
    m_E12E24[2] = serie->addAction(QString());

    QMenu *significatif = addMenu(2, "ZZ");
    m_Affichage[0] = significatif->addAction(QString());
    m_Affichage[1] = significatif->addAction(QStringLiteral("Bidon"));
    m_Affichage[2] = significatif->addAction(QStringLiteral("Bidon"));
    for (std::size_t digits = 3; digits <= 5; ++digits)
        m_Affichage[digits] = significatif->addAction(QString());

    // A title without entries: one click runs it.
    m_VisuSchema = menuBar()->addAction(QString());
    m_VisuSchema->setObjectName(QStringLiteral("VisuSchema"));
    connect(m_VisuSchema, &QAction::triggered, this, &Chronalys_CD4060::VisuSchema_Click);

    QMenu *outils = addMenu(3, "OO");
    m_Outils[0] = outils->addAction(QString());
    m_Outils[1] = outils->addAction(QString());
    m_Outils[2] = outils->addAction(QString());
    // Beside the other tools windows; "&C" already opens "Copier le résultat".
    m_Outils[3] = new QAction(outils);
    outils->insertAction(m_Outils[2], m_Outils[3]);
    m_Outils[4] = outils->addAction(QString());
    // The same caption and names in either language: whoever cannot read one finds the other.
    outils->addSeparator();
    m_Langues = outils->addMenu(QStringLiteral("&Langue / Language"));
    m_Langues->setObjectName(QStringLiteral("Langues"));
    auto *langues = new QActionGroup(m_Langues);
    m_Langue[0] = langues->addAction(QStringLiteral("&Français"));
    m_Langue[1] = langues->addAction(QStringLiteral("&English"));
    m_Langues->addActions(langues->actions());

    QMenu *aide = addMenu(4, "AA");
    aide->setTitle(QStringLiteral("&?"));
    m_Aide[0] = aide->addAction(QString());
    m_Aide[1] = aide->addAction(QString());

    // F10 opens the first menu, as on other desktops; Alt+letter comes with the "&" letters.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this, fichier] { menuBar()->setActiveAction(fichier->menuAction()); });

    // Hidden entries keep every visible entry's index equal to the value it selects.
    m_E12E24[0]->setVisible(false);
    m_Affichage[1]->setVisible(false);
    m_Affichage[2]->setVisible(false);

    // Checkable entries are settings of the run, which "Longue durée" shares: choosing one is not
    // working on this window's design.
    auto wire = [this](auto &actions, const char *name, void (Chronalys_CD4060::*handler)(int),
                       bool checkable) {
        for (int i = 0; i < static_cast<int>(actions.size()); ++i) {
            QAction *action = actions[static_cast<std::size_t>(i)];
            action->setObjectName(indexed(name, i));
            action->setCheckable(checkable);
            connect(action, &QAction::triggered, this, [this, handler, i, checkable] {
                if (checkable)
                    quietly([&] { (this->*handler)(i); });
                else
                    (this->*handler)(i);
            });
        }
    };
    wire(m_QQ, "QQ", &Chronalys_CD4060::QQ_Click, false);
    wire(m_E12E24, "E12E24", &Chronalys_CD4060::E12E24_Click, true);
    wire(m_Affichage, "Affichage", &Chronalys_CD4060::Affichage_Click, true);
    wire(m_Aide, "Aide", &Chronalys_CD4060::Aide_Click, false);
    wire(m_Outils, "Outils", &Chronalys_CD4060::Outils_Click, false);
    wire(m_Langue, "Langue", &Chronalys_CD4060::Langue_Click, true);
}

void Chronalys_CD4060::retranslateMenus()
{
    m_menus[0]->setTitle(tr("&Fichier"));
    m_document->retranslate();
    m_QQ[1]->setText(tr("&Quitter"));

    m_menus[1]->setTitle(tr("&Serie_E12/E24"));
    m_E12E24[1]->setText(tr("Résistance série E&24"));
    m_E12E24[2]->setText(tr("Résistance série E&12"));

    m_menus[2]->setTitle(tr("Si&gnificatif"));
    m_Affichage[0]->setText(tr("Affichage valeur &brute"));
    for (std::size_t digits = 3; digits <= 5; ++digits)
        m_Affichage[digits]->setText(tr("Affichage &%1 valeurs significatives").arg(digits));

    m_VisuSchema->setText(tr("S&chéma"));

    m_menus[3]->setTitle(tr("&Outils"));
    m_Outils[0]->setText(tr("&Précision du montage…"));
    m_Outils[1]->setText(tr("&Feuille de montage…"));
    m_Outils[2]->setText(tr("&Copier le résultat"));
    m_Outils[3]->setText(tr("C&hronogramme…"));
    m_Outils[4]->setText(tr("Longue &durée…")); // "&L" opens "Langue / Language"
    m_Langue[Commun::langue() == Commun::Langue::Anglais ? 1 : 0]->setChecked(true);

    m_Aide[0]->setText(tr("&Aide"));
    m_Aide[1]->setText(tr("A &propos"));
}

void Chronalys_CD4060::createDrawingAndButtons(QWidget *client)
{
    m_Dessin_Tempo = new Picture(QStringLiteral(":/pictures/dessin_tempo.svg"), client);
    m_Dessin_Tempo->setObjectName(QStringLiteral("Dessin_Tempo"));
    placeInTwips(m_Dessin_Tempo, 1440, 0, 6975, 1335);

    m_Alarme = new CaptionLabel(QStringLiteral("Label2"), client);
    m_Alarme->setObjectName(QStringLiteral("Alarme"));
    placeInTwips(m_Alarme, 360, 360, 9495, 735);
    m_Alarme->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_Alarme->setAlignment(Qt::AlignCenter);
    QPalette alarmPalette = m_Alarme->palette();
    alarmPalette.setColor(QPalette::Window, QColor(255, 192, 255));
    m_Alarme->setPalette(alarmPalette);
    m_Alarme->setAutoFillBackground(true);
    m_Alarme->hide();

    m_Calcul_F_vers_RC = new PictureButton(QStringLiteral(":/pictures/calcul_droite.svg"), client);
    m_Calcul_F_vers_RC->setObjectName(QStringLiteral("Calcul_F_vers_RC"));
    placeInTwips(m_Calcul_F_vers_RC, 3600, 2160, 1215, 855);
    connect(m_Calcul_F_vers_RC, &PictureButton::clicked, this, &Chronalys_CD4060::Calcul_F_vers_RC_Click);

    m_Picture1 = new Picture(QStringLiteral(":/pictures/decoration.svg"), client);
    m_Picture1->setObjectName(QStringLiteral("Picture1"));
    placeInTwips(m_Picture1, 3395, 3600, 1485, 1455);

    const std::array<std::pair<int, const char *>, 2> series = {
        std::pair{12, ":/pictures/serie_e12.svg"}, std::pair{24, ":/pictures/serie_e24.svg"}};
    for (std::size_t i = 0; i < series.size(); ++i) {
        const int serie = series[i].first;
        auto *button = new PictureButton(QLatin1String(series[i].second), client);
        button->setObjectName(indexed("Conversion_reelle", serie));
        placeInTwips(button, 6960, 3720, 1110, 810);
        button->setEnabled(false);
        connect(button, &PictureButton::clicked, this, [this, serie] { Conversion_reelle_Click(serie); });
        m_Conversion_reelle[i] = button;
    }

    m_Calcul_RC_vers_F = new PictureButton(QStringLiteral(":/pictures/calcul_gauche.svg"), client);
    m_Calcul_RC_vers_F->setObjectName(QStringLiteral("Calcul_RC_vers_F"));
    placeInTwips(m_Calcul_RC_vers_F, 3600, 5280, 1095, 855);
    m_Calcul_RC_vers_F->setEnabled(false);
    m_Calcul_RC_vers_F->hide();
    connect(m_Calcul_RC_vers_F, &PictureButton::clicked, this, &Chronalys_CD4060::Calcul_RC_vers_F_Click);
}

void Chronalys_CD4060::createZoneA(QWidget *client)
{
    m_Frame2[0] = makeFrame(client, QStringLiteral("Frame2(0)"), {240, 1440, 3135, 2655});
    setBackground(m_Frame2[0], QPalette::Window);
    m_Frame1[0] = makeFrame(m_Frame2[0], QStringLiteral("Frame1(0)"), {120, 360, 2895, 855});
    m_Frame1[1] = makeFrame(m_Frame2[0], QStringLiteral("Frame1(1)"), {120, 1320, 2895, 855});
    const std::array<QString, 2> initial = {QStringLiteral("18000"), QStringLiteral("100")};
    for (int i = 0; i < 2; ++i) {
        auto *field = new QLineEdit(initial[static_cast<std::size_t>(i)], m_Frame1[static_cast<std::size_t>(i)]);
        field->setObjectName(indexed("Valeur", i));
        field->setFont(boldFont(12));
        placeInTwips(field, 600, 240, 1695, 375);
        m_keyFilter->watch(field);
        connect(field, &QLineEdit::textChanged, this, [this, i] { Valeur_Change(i); });
        m_Valeur[static_cast<std::size_t>(i)] = field;
    }

    m_FrequenceOscillateur[0] = makeLabel(m_Frame2[0], QStringLiteral("FrequenceOscillateur(0)"), QString(),
                                          {120, 2280, 1455, 255}, Qt::AlignRight);
    m_FrequenceOscillateur[1] = makeLabel(m_Frame2[0], QStringLiteral("FrequenceOscillateur(1)"),
                                          QStringLiteral("???"), {1560, 2280, 975, 255});
    QLabel *letter = makeLabel(m_Frame2[0], QStringLiteral("Label1(0)"), QStringLiteral("A"),
                               {2640, 2160, 375, 375});
    setBoldFont(letter, 18);
}

void Chronalys_CD4060::createZoneB(QWidget *client)
{
    m_Frame3[0] = makeFrame(client, QStringLiteral("Frame3(0)"), {4920, 1440, 5055, 2295});
    setBackground(m_Frame3[0], QPalette::Window);
    m_CondensateurCalcul[0] = makeLabel(m_Frame3[0], QStringLiteral("CondensateurCalcul(0)"), QString(),
                                        {120, 480, 1575, 255}, Qt::AlignRight);
    m_CondensateurCalcul[1] = makeLabel(m_Frame3[0], QStringLiteral("CondensateurCalcul(1)"),
                                        QStringLiteral("??? "), {1800, 480, 855, 255});
    m_ResistanceCalcul[0] = makeLabel(m_Frame3[0], QStringLiteral("ResistanceCalcul(0)"), QString(),
                                      {120, 840, 1575, 255}, Qt::AlignRight);
    m_ResistanceCalcul[1] = makeLabel(m_Frame3[0], QStringLiteral("ResistanceCalcul(1)"),
                                      QStringLiteral("??? "), {1800, 840, 2415, 255});

    m_Qc[0] = makeLabel(m_Frame3[0], QStringLiteral("Qc(0)"), QStringLiteral("Q0"), {2400, 240, 375, 255});
    makeRowTemplate(m_Qc[0], false);
    m_QcOnOff[0] = makeLabel(m_Frame3[0], QStringLiteral("QcOnOff(0)"), QStringLiteral("?"),
                             {2880, 240, 365, 255});
    makeRowTemplate(m_QcOnOff[0], true);
    QLabel *letter = makeLabel(m_Frame3[0], QStringLiteral("Label1(1)"), QStringLiteral("B"),
                               {4440, 1800, 375, 375});
    setBoldFont(letter, 18);
}

void Chronalys_CD4060::createZoneC(QWidget *client)
{
    m_Frame3[1] = makeFrame(client, QStringLiteral("Frame3(1)"), {5040, 4560, 5055, 2295});
    setBackground(m_Frame3[1], QPalette::Window);
    QWidget *frame = m_Frame3[1];
    m_CondensateurCalcul[3] = makeLabel(frame, QStringLiteral("CondensateurCalcul(3)"), QString(),
                                        {120, 360, 1575, 255}, Qt::AlignRight);
    m_CondensateurReel = new QLineEdit(QStringLiteral("0"), frame);
    m_CondensateurReel->setObjectName(QStringLiteral("CondensateurReel"));
    placeInTwips(m_CondensateurReel, 1800, 240, 615, 285);
    fitFieldText(m_CondensateurReel, QStringLiteral("1000.0 ")); // the widest C2 of a design
    m_keyFilter->watch(m_CondensateurReel);
    connect(m_CondensateurReel, &QLineEdit::textChanged, this, &Chronalys_CD4060::CondensateurReel_Change);
    m_CondensateurCalcul[2] = makeLabel(frame, QStringLiteral("CondensateurCalcul(2)"), QStringLiteral("nF"),
                                        {2400, 360, 495, 255});
    m_FrequenceOscillateur[5] = makeLabel(frame, QStringLiteral("FrequenceOscillateur(5)"), QString(),
                                          {1800, 600, 495, 255});
    m_FrequenceOscillateur[4] = makeLabel(frame, QStringLiteral("FrequenceOscillateur(4)"), QString(),
                                          {3240, 600, 1335, 255});
    m_ResistanceCalcul[3] = makeLabel(frame, QStringLiteral("ResistanceCalcul(3)"), QString(),
                                      {120, 840, 1575, 255}, Qt::AlignRight);

    const std::array<QRect, 2> places = {QRect(1800, 800, 855, 315), QRect(3240, 800, 1095, 315)};
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto *combo = new QComboBox(frame);
        combo->setObjectName(indexed("ResistanceCombo", i));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert); // Return must not add the typed text
        combo->setCompleter(nullptr);                // no inline completion while typing
        placeInTwips(combo, places[at].x(), places[at].y(), places[at].width(), places[at].height());
        m_keyFilter->watch(combo);
        // Typing and a pick from the list run the handling; the program's own selections do not.
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, i] { ResistanceCombo_Change(i); });
        connect(combo, &QComboBox::activated, this, [this, i] { ResistanceCombo_Change(i); });
        m_ResistanceCombo[at] = combo;
    }
    m_ResistanceCombo[0]->setEditText(QStringLiteral("ResistanceCombo"));

    // Captions in retranslate().
    m_Plus[0] = makeLabel(frame, QStringLiteral("Plus(0)"), QString(), {2640, 840, 615, 255});
    m_Plus[1] = makeLabel(frame, QStringLiteral("Plus(1)"), QString(), {4320, 840, 495, 255});
    m_ResistanceCalcul[2] = makeLabel(frame, QStringLiteral("ResistanceCalcul(2)"), QString(),
                                      {240, 1920, 1455, 255}, Qt::AlignRight);
    m_ValeurRs = makeLabel(frame, QStringLiteral("ValeurRs"), QStringLiteral("??"), {1800, 1920, 1335, 255});

    m_Qr[0] = makeLabel(frame, QStringLiteral("Qr(0)"), QStringLiteral("Q0"), {3000, 120, 375, 255});
    makeRowTemplate(m_Qr[0], false);
    m_QrOnOff[0] = makeLabel<ClickableLabel>(frame, QStringLiteral("QrOnOff(0)"), QStringLiteral("Off"),
                                             {3360, 120, 365, 255});
    makeRowTemplate(m_QrOnOff[0], true);
    QLabel *letter = makeLabel(frame, QStringLiteral("Label1(3)"), QStringLiteral("C"), {4440, 1800, 375, 375});
    setBoldFont(letter, 18);
}

void Chronalys_CD4060::createZoneD(QWidget *client)
{
    m_Frame2[1] = makeFrame(client, QStringLiteral("Frame2(1)"), {240, 4560, 3135, 2655});
    setBackground(m_Frame2[1], QPalette::Window);
    m_Frame1[3] = makeFrame(m_Frame2[1], QStringLiteral("Frame1(3)"), {120, 360, 2895, 855});
    m_T_reel = makeLabel(m_Frame1[3], QStringLiteral("T_reel"), QStringLiteral("???"), {120, 360, 2535, 255},
                         Qt::AlignHCenter);
    setBoldFont(m_T_reel, 12);
    m_Frame1[2] = makeFrame(m_Frame2[1], QStringLiteral("Frame1(2)"), {120, 1320, 2895, 855});
    m_T1_reel = makeLabel(m_Frame1[2], QStringLiteral("T1_reel"), QStringLiteral("???"), {120, 240, 2655, 255},
                          Qt::AlignHCenter);
    setBoldFont(m_T1_reel, 12);
    m_FrequenceOscillateur[2] = makeLabel(m_Frame2[1], QStringLiteral("FrequenceOscillateur(2)"), QString(),
                                          {120, 2280, 1455, 255}, Qt::AlignRight);
    m_FrequenceOscillateur[3] = makeLabel(m_Frame2[1], QStringLiteral("FrequenceOscillateur(3)"),
                                          QStringLiteral("??? "), {1560, 2280, 855, 255});
    QLabel *letter = makeLabel(m_Frame2[1], QStringLiteral("Label1(2)"), QStringLiteral("D"),
                               {2640, 2160, 375, 375});
    setBoldFont(letter, 18);
}

void Chronalys_CD4060::createDiagnostics(QWidget *client)
{
    m_Command1 = new QPushButton(client);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    placeInTwips(m_Command1, 3840, 6480, 735, 495);
    m_Command1->hide();
    connect(m_Command1, &QPushButton::clicked, this, &Chronalys_CD4060::Command1_Click);

    m_TestEntre = new QLineEdit(QStringLiteral("Text1"), client);
    m_TestEntre->setObjectName(QStringLiteral("TestEntre"));
    placeInTwips(m_TestEntre, 5040, 3840, 1695, 285);
    m_TestEntre->hide();
    connect(m_TestEntre, &QLineEdit::textChanged, this, &Chronalys_CD4060::TestEntre_Change);

    m_TestSort = makeLabel(client, QStringLiteral("TestSort"), QStringLiteral("Label2"), {5040, 4200, 1575, 255});
    m_TestSort->hide();
}

void Chronalys_CD4060::setTabOrder()
{
    // Pictures without a handler take no focus; labels and frames never do.
    for (QWidget *widget : {static_cast<QWidget *>(m_Dessin_Tempo), static_cast<QWidget *>(m_Picture1)})
        widget->setFocusPolicy(Qt::NoFocus);
    // The road of a design: what is asked, Calcul, the series arrow, the real parts, their outputs
    // from Q13 to Q1 as drawn; the diagnostic controls last.
    QList<QWidget *> order = {m_Valeur[0],         m_Valeur[1],           m_Calcul_F_vers_RC,
                              m_Conversion_reelle[0], m_Conversion_reelle[1], m_Calcul_RC_vers_F,
                              m_CondensateurReel,  m_ResistanceCombo[0],  m_ResistanceCombo[1]};
    for (int n = calc::OutputCount; n >= 1; --n)
        order << m_QrOnOff[static_cast<std::size_t>(n)];
    order << m_TestEntre << m_Command1;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Chronalys_CD4060::retranslate()
{
    retranslateMenus();
    showSource();
    m_Command1->setText(tr("Fin"));

    const auto describe = [](QWidget *control, const QString &name, const QString &description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            // The editable part is what the focus reaches and a screen reader reads.
            combo->lineEdit()->setAccessibleName(name);
            combo->lineEdit()->setAccessibleDescription(description);
        }
    };

    // A changed caption asks its frame for a layout: the caption-fit code places it again then.
    // Zones A and D: what is asked, and what the real parts give.
    m_Frame2[0]->setTitle(tr("Temporisation demandée"));
    m_Frame2[1]->setTitle(tr("Temporisation réelle"));
    for (TitledFrame *frame : {m_Frame1[0], m_Frame1[3]})
        frame->setTitle(tr("Valeur de la Période \"T\" en seconde"));
    for (TitledFrame *frame : {m_Frame1[1], m_Frame1[2]})
        frame->setTitle(tr("Durée du Pulse \"T1\" en seconde"));
    m_Valeur[0]->setToolTip(tr("Valeur maximum : 20000"));
    for (std::size_t i : {0, 2})
        m_FrequenceOscillateur[i]->setText(tr("Période oscillateur ="));
    for (std::size_t i : {0, 1})
        m_FrequenceOscillateur[i]->setToolTip(tr("Valeur théorique de la période"));
    for (std::size_t i : {2, 3})
        m_FrequenceOscillateur[i]->setToolTip(tr("Valeur réelle de la période"));
    m_Calcul_F_vers_RC->setToolTip(tr("Un clic pour trouver les valeurs théoriques"));
    m_Picture1->setToolTip(tr("CD4060 : compteur à 14 étages et son oscillateur RC"));

    // Zones B and C: the theoretical parts, then the real ones.
    m_Frame3[0]->setTitle(tr("Valeur des composants calculés"));
    m_Frame3[1]->setTitle(tr("Valeur réelle des composants"));
    for (std::size_t i : {0, 3}) {
        m_CondensateurCalcul[i]->setText(tr("Condensateur \"C2\" ="));
        m_ResistanceCalcul[i]->setText(tr("Résistance \"R2\" ="));
    }
    for (QWidget *widget : {static_cast<QWidget *>(m_Frame3[0]), static_cast<QWidget *>(m_CondensateurCalcul[0]),
                            static_cast<QWidget *>(m_ResistanceCalcul[0])})
        widget->setToolTip(tr("Valeurs théoriques"));
    m_CondensateurCalcul[1]->setToolTip(tr("Valeur théorique de C2"));
    m_ResistanceCalcul[1]->setToolTip(tr("Valeur théorique de R2"));
    m_ResistanceCalcul[2]->setText(tr("Résistance \"Rs\" ="));
    m_Plus[0]->setText(tr("Kohm +"));
    m_Plus[1]->setText(tr("Kohm "));
    m_FrequenceOscillateur[5]->setText(tr("Talon"));
    m_FrequenceOscillateur[4]->setText(tr("Potentiomètre"));
    m_CondensateurReel->setToolTip(tr("Entrez la valeur de C2"));
    m_ResistanceCombo[0]->setToolTip(tr("Entrez la valeur de R2"));
    m_ResistanceCombo[1]->setToolTip(tr("Entrez la valeur du potentiomètre (en série avec R2)"));
    for (std::size_t i = 0; i < m_Conversion_reelle.size(); ++i) {
        const int serie = i == 0 ? 12 : 24;
        m_Conversion_reelle[i]->setToolTip(tr("un clic pour trouver les valeurs en série E%1 (5%)").arg(serie));
        describe(m_Conversion_reelle[i], tr("Série E%1").arg(serie),
                 tr("Trouve les valeurs réelles en série E%1 (5 %)").arg(serie));
    }

    // The output rows: the templates, and the rows once start-up has made them.
    for (std::size_t n = 0; n < m_Qc.size(); ++n) {
        if (m_Qc[n] == nullptr)
            continue;
        m_Qc[n]->setToolTip(tr("Nom de la sortie Q"));
        m_Qr[n]->setToolTip(tr("Nom de la sortie Q"));
        m_QcOnOff[n]->setToolTip(
            tr("\"On\" mettre une diode sur la sortie du CD4060 (une valeur en rouge indique une impossibilité)"));
        m_QrOnOff[n]->setToolTip(tr("un clic passe à \"On\"  (une valeur en rouge indique une impossibilité)"));
        if (n == 0)
            continue;
        nameOutputMark(m_QcOnOff[n], static_cast<int>(n));
        nameOutputMark(m_QrOnOff[n], static_cast<int>(n));
        m_QcOnOff[n]->setAccessibleDescription(tr("Montage théorique"));
        m_QrOnOff[n]->setAccessibleDescription(tr("Montage réel : Espace ou un clic pose ou ôte la diode"));
    }

    describe(m_Valeur[0], tr("Période T"), tr("Période T en secondes, au plus 20000"));
    describe(m_Valeur[1], tr("Pulse T1"), tr("Durée du pulse T1 en secondes"));
    describe(m_Calcul_F_vers_RC, tr("Calcul"), tr("Trouve les valeurs théoriques des composants"));
    describe(m_Calcul_RC_vers_F, tr("Temporisation réelle"), tr("Calcule T et T1 avec les composants réels"));
    describe(m_CondensateurReel, tr("Condensateur C2"), tr("Valeur réelle de C2 en nanofarads"));
    describe(m_ResistanceCombo[0], tr("Talon R2"), tr("Valeur réelle de R2 en kilohms"));
    describe(m_ResistanceCombo[1], tr("Potentiomètre"), tr("Potentiomètre en série avec R2, en kilohms"));
    describe(m_TestEntre, tr("Essai d'affichage"), tr("Un nombre, montré selon le mode d'affichage"));
}

void Chronalys_CD4060::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        quietly([this] { renotate(); });
        m_Fichier_Alarme = Commun::Chemin_Alarme();
        m_Lignes_Alarme = chargerAlarmes(m_Fichier_Alarme, Commun::Saut_Ligne());
        // The message on screen is read again in the new language, for the time it has left.
        if (!m_Alarme->isHidden())
            showAlarmCaption();
    }
    QMainWindow::changeEvent(event);
}

void Chronalys_CD4060::renotate()
{
    const calc::Notation notation = Commun::notation();
    if (notation == m_notation)
        return;
    m_notation = notation;
    m_separator = calc::writtenSeparator(notation, m_systemSeparator);
    // The values stay, only their writing changes: no handler runs, no message is raised.
    if (!m_FrequenceOscillateur[1]->text().isEmpty())
        m_FrequenceOscillateur[1]->setText(
            qtext(calc::oscillatorCaption(m_Periode_Oscillateur, m_Mode_Affichage, m_separator, m_notation)));
    if (m_Conversion_reelle[0]->isEnabled()) {
        // C2 is kept only in its caption, rounded to the two decimals its pattern writes.
        const double c2 = calc::readNumber(text(m_CondensateurCalcul[1]->text()));
        m_CondensateurCalcul[1]->setText(qtext(calc::capacitorCaption(c2, m_separator)));
        m_ResistanceCalcul[1]->setText(qtext(calc::resistorCaption(m_R2_Theorique, m_separator, m_notation)));
    }
    if (m_testShown)
        TestEntre_Change();
    Calcul_RC_vers_F_Click();
}

void Chronalys_CD4060::nameOutputMark(QLabel *mark, int n)
{
    mark->setAccessibleName(mark->text().isEmpty() ? tr("Q%1 : sans diode").arg(n) : tr("Q%1 : diode").arg(n));
}

void Chronalys_CD4060::createOutputRows()
{
    for (int i = 13; i >= 1; --i) {
        const auto at = static_cast<std::size_t>(i);
        const int left = 50 + 380 * (13 - i);
        const QString name = QStringLiteral("Q%1").arg(i);
        const bool pinned = !calc::isPinless(i);
        m_Qc[at] = cloneLabel(m_Qc[0], i, left, 1200, name);
        m_QcOnOff[at] = cloneLabel(m_QcOnOff[0], i, left, 1480, QString());
        m_Qr[at] = cloneLabel(m_Qr[0], i, left, 1200, name);
        m_QrOnOff[at] = cloneLabel(m_QrOnOff[0], i, left, 1480, QString());
        m_Qc[at]->setEnabled(pinned);
        m_Qr[at]->setEnabled(pinned);
        connect(m_QrOnOff[at], &ClickableLabel::clicked, this, [this, i] { QrOnOff_Click(i); });
        for (QLabel *label : {m_Qc[at], m_QcOnOff[at], m_Qr[at], static_cast<QLabel *>(m_QrOnOff[at])})
            label->show();
    }
}

void Chronalys_CD4060::Form_Load(const LaunchOptions &options)
{
    Commun::Chemin_Fichier_INI(options.executablePath, options.commandLine);
    m_Fichier_Alarme = Commun::Chemin_Alarme();
    m_Lignes_Alarme = chargerAlarmes(m_Fichier_Alarme, Commun::Saut_Ligne());
    if (Commun::Mode_Diagnostic() > 0) {
        m_Command1->show();
        m_TestEntre->show();
        m_TestSort->show();
    }

    const Commun::Parametres parametres = Commun::Lire_Parametres();
    E12E24_Click(parametres.Pas_Serie);
    Affichage_Click(parametres.Mode_Affichage);
    m_Valeur[1]->setText(parametres.Valeur_T1);
    m_Valeur[0]->setText(parametres.Valeur_T);
    m_Constante_K4060 = parametres.Constante_K4060;
    m_texteK4060 = parametres.texteK4060;
    m_K4060_Reglages = m_Constante_K4060;
    m_tolerances = Commun::Lire_Precision();
    m_recents->setPaths(Commun::Lire_Recents());
    Commun::Restaure_Position(this, QString(), QStringLiteral("P"));
    for (Commun::PlaceFenetre *&place : m_places)
        place = new Commun::PlaceFenetre(QString(), this);

    createOutputRows();
    m_ResistanceCombo[0]->addItem(QStringLiteral("0"));
    m_ResistanceCombo[0]->setCurrentIndex(0);
    setResistanceText(1, QStringLiteral("0"));

    m_schema = new Chronalys_CD4060_Schema();
    m_places[0]->suivre(m_schema);
    m_Valeur[0]->setFocus();
}

void Chronalys_CD4060::Termine()
{
    Commun::Parametres parametres;
    parametres.Pas_Serie = m_Pas_Serie;
    parametres.Valeur_T = m_Valeur[0]->text();
    parametres.Valeur_T1 = m_Valeur[1]->text();
    parametres.Constante_K4060 = m_Constante_K4060;
    parametres.texteK4060 = m_texteK4060;
    parametres.Mode_Affichage = m_Mode_Affichage;
    // One atomic save: a kill never leaves the keys half written.
    QList<Commun::EntreeINI> entries = Commun::Entrees_Parametres(parametres) + Commun::Entrees_Langue(m_langueChoisie)
                                       + Commun::Entrees_Precision(m_tolerances) + Commun::Entrees_Recents(m_recents->paths())
                                       + Commun::Entrees_Sauve_Position(this);
    for (Commun::PlaceFenetre *place : m_places)
        entries += place->entrees();
    Commun::Ecrire_INI(entries);
}

void Chronalys_CD4060::closeEvent(QCloseEvent *event)
{
    if (!unsavedChangesHandled()) {
        event->ignore();
        return;
    }
    delete m_schema.data();
    delete m_feuilleMontage.data();
    delete m_chronogramme.data();
    delete m_feuilleAide.data();
    delete m_precision.data();
    delete m_longueDuree.data();
    event->accept();
}

void Chronalys_CD4060::QQ_Click(int)
{
    if (!unsavedChangesHandled())
        return;
    Termine();
    m_endProgram();
}

void Chronalys_CD4060::Command1_Click() { m_endProgram(); }

void Chronalys_CD4060::Valeur_Change(int index)
{
    QLineEdit *field = m_Valeur[static_cast<std::size_t>(index)];
    const QString tidy = qtext(calc::Zero_non_Significatif(text(field->text())));
    if (tidy != field->text())
        field->setText(tidy); // runs this handler again, nested, on the tidy text

    const calc::EntryCheck check = calc::checkPeriodAndPulse(
        text(m_Valeur[0]->text()), text(m_Valeur[1]->text()), m_Periode_Oscillateur, m_Mode_Affichage,
        m_separator, m_notation);
    m_Periode_T = check.Periode_T;
    m_Pulse_T1 = check.Pulse_T1;
    m_Periode_Oscillateur = check.Periode_Oscillateur;
    for (int alarm : check.alarms)
        VisuAlarme(alarm);
    if (check.label == calc::EntryCheck::Label::Emptied)
        m_FrequenceOscillateur[1]->setText(QString());
    else if (check.label == calc::EntryCheck::Label::Set)
        m_FrequenceOscillateur[1]->setText(qtext(check.labelText));
    Q_EMIT realDesignChanged(realDesign());
}

void Chronalys_CD4060::setOutputMark(QLabel *mark, int n, bool on, bool red)
{
    mark->setText(on ? QStringLiteral("On") : QString());
    nameOutputMark(mark, n);
    if (!on)
        setTextColour(mark, QApplication::palette().color(QPalette::WindowText));
    else if (red)
        setTextColour(mark, Rouge);
}

void Chronalys_CD4060::Calcul_F_vers_RC_Click()
{
    // The oscillator period is still the last accepted T's (or 0): zone B would mix two designs.
    if (calc::isPeriodTooShort(m_Periode_T)) {
        VisuAlarme(7);
        return;
    }
    const calc::Design design = calc::designTimer(m_Periode_T, m_Pulse_T1, m_Periode_Oscillateur,
                                                  m_Constante_K4060, m_separator, m_notation);
    if (!design.completed) {
        for (int alarm : design.alarms)
            VisuAlarme(alarm);
        return;
    }
    for (PictureButton *button : m_Conversion_reelle)
        button->setEnabled(true);
    m_Motif_Q = design.Motif_Q;
    for (std::size_t n = 1; n <= calc::OutputCount; ++n) {
        setOutputMark(m_QcOnOff[n], static_cast<int>(n), design.on[n], design.red[n]);
        if (design.red[n])
            VisuAlarme(2);
    }
    m_R2_Theorique = design.R2_Theorique;
    m_CondensateurCalcul[1]->setText(qtext(design.C2Caption));
    m_ResistanceCalcul[1]->setText(qtext(design.R2Caption));
}

void Chronalys_CD4060::Affichage_Click(int index)
{
    m_Mode_Affichage = index;
    for (QAction *action : m_Affichage)
        action->setChecked(false);
    if (index >= 0 && index < static_cast<int>(m_Affichage.size()))
        m_Affichage[static_cast<std::size_t>(index)]->setChecked(true);
}

void Chronalys_CD4060::E12E24_Click(int index)
{
    m_Pas_Serie = index;
    if (index != calc::PasE24 && index != calc::PasE12)
        return;
    const bool e24 = index == calc::PasE24;
    m_E12E24[1]->setChecked(e24);
    m_E12E24[2]->setChecked(!e24);
    m_Conversion_reelle[0]->setVisible(!e24);
    m_Conversion_reelle[1]->setVisible(e24);
    m_document->refreshTitle();
}

void Chronalys_CD4060::Conversion_reelle_Click(int)
{
    const calc::Conversion conversion = calc::convertToSeries(
        m_R2_Theorique, m_Motif_Q, text(m_CondensateurCalcul[1]->text()), m_Pas_Serie, m_separator);
    m_CondensateurReel->setText(qtext(conversion.capacitorText)); // its change handling runs
    m_Calcul_RC_vers_F->setEnabled(true);

    auto fill = [](QComboBox *combo, const std::vector<std::string> &items, int selected) {
        combo->clear();
        for (const auto &item : items)
            combo->addItem(qtext(item));
        combo->setCurrentIndex(selected);
    };
    fill(m_ResistanceCombo[0], conversion.fixedItems, conversion.fixedSelected);
    fill(m_ResistanceCombo[1], conversion.potItems, 0);

    for (std::size_t n = 1; n <= calc::OutputCount; ++n) {
        m_QrOnOff[n]->setText((conversion.outputs.pattern & (1 << (n - 1))) != 0 ? QStringLiteral("On")
                                                                                 : QString());
        nameOutputMark(m_QrOnOff[n], static_cast<int>(n));
    }
    VisuAlarme(conversion.outputs.alarm);
    // A click or key made during the conversion lands here, before the real timing sees it.
    QCoreApplication::processEvents();
    Calcul_RC_vers_F_Click();
}

int Chronalys_CD4060::markedPattern() const
{
    int pattern = 0;
    for (std::size_t k = 1; k <= calc::OutputCount; ++k)
        if (m_QrOnOff[k] && m_QrOnOff[k]->text() == QStringLiteral("On")) // rows exist after start-up
            pattern |= 1 << (k - 1);
    return pattern;
}

void Chronalys_CD4060::Calcul_RC_vers_F_Click()
{
    const calc::RealTiming timing = calc::realTiming(
        text(m_ResistanceCombo[0]->currentText()), text(m_ResistanceCombo[1]->currentText()),
        text(m_CondensateurReel->text()), markedPattern(), m_Constante_K4060, m_Mode_Affichage,
        m_separator, m_notation);
    m_FrequenceOscillateur[3]->setText(qtext(timing.FrequenceOscillateur));
    m_T_reel->setText(qtext(timing.T_reel));
    m_T1_reel->setText(qtext(timing.T1_reel));
    m_ValeurRs->setText(qtext(timing.ValeurRs));
    Q_EMIT realDesignChanged(realDesign());
}

calc::RealDesign Chronalys_CD4060::realDesign() const
{
    calc::RealDesign design;
    design.T = m_Periode_T;
    design.T1 = m_Pulse_T1;
    design.talonText = text(m_ResistanceCombo[0]->currentText());
    design.potentiometerText = text(m_ResistanceCombo[1]->currentText());
    design.capacitorText = text(m_CondensateurReel->text());
    design.pattern = markedPattern();
    design.K = m_Constante_K4060;
    design.Pas_Serie = m_Pas_Serie;
    design.Mode_Affichage = m_Mode_Affichage;
    design.separator = m_separator;
    design.notation = m_notation;
    design.tolerances = m_tolerances;
    design.shown = {text(m_FrequenceOscillateur[3]->text()), text(m_T_reel->text()),
                    text(m_T1_reel->text()), text(m_ValeurRs->text())};
    return design;
}

void Chronalys_CD4060::setResistanceText(int index, const QString &value)
{
    QComboBox *combo = m_ResistanceCombo[static_cast<std::size_t>(index)];
    if (combo->currentText() == value)
        return;
    combo->setEditText(value);
    ResistanceCombo_Change(index);
}

void Chronalys_CD4060::ResistanceCombo_Change(int index)
{
    const QString current = m_ResistanceCombo[static_cast<std::size_t>(index)]->currentText();
    setResistanceText(index, qtext(calc::Zero_non_Significatif(text(current)))); // nested re-run
    VisuAlarme(calc::resistorWarning(text(m_ResistanceCombo[0]->currentText()),
                                     text(m_ResistanceCombo[1]->currentText())));
    Calcul_RC_vers_F_Click();
}

void Chronalys_CD4060::CondensateurReel_Change()
{
    VisuAlarme(calc::capacitorWarning(text(m_CondensateurReel->text())));
    Calcul_RC_vers_F_Click();
}

void Chronalys_CD4060::QrOnOff_Click(int index)
{
    QLabel *mark = m_QrOnOff[static_cast<std::size_t>(index)];
    if (!mark->text().isEmpty()) {
        setOutputMark(mark, index, false, false);
    } else {
        setOutputMark(mark, index, true, calc::isPinless(index));
        if (calc::isPinless(index))
            VisuAlarme(2);
    }
    Calcul_RC_vers_F_Click();
}

void Chronalys_CD4060::TestEntre_Change()
{
    m_testShown = true;
    m_TestSort->setText(qtext(calc::Valeur_Significatif(text(m_TestEntre->text()), m_Mode_Affichage, m_notation)));
}

void Chronalys_CD4060::VisuAlarme(int numero)
{
    if (numero < 0 || numero >= static_cast<int>(m_Lignes_Alarme.size()))
        return;
    m_Numero_Alarme = numero;
    showAlarmCaption();
    m_Alarme->show();
    m_Dessin_Tempo->hide();
    m_Compte_Alarme = 40;
    beep();
}

void Chronalys_CD4060::showAlarmCaption()
{
    m_Alarme->setCaption(QLatin1Char('\r') + m_Lignes_Alarme[static_cast<std::size_t>(m_Numero_Alarme)]);
}

void Chronalys_CD4060::Timer1_Timer()
{
    if (m_Compte_Alarme < 0)
        return;
    if (m_Compte_Alarme == 0) {
        m_Alarme->hide();
        m_Dessin_Tempo->show();
    }
    --m_Compte_Alarme;
}

void Chronalys_CD4060::Aide_Click(int index)
{
    if (index == 0)
        Aide_Afficher(m_feuilleAide, Commun::Chemin_Aide(), [this](QWidget *window) { m_places[1]->suivre(window); });
    else if (index == 1)
        APropos_Afficher(this);
}

void Chronalys_CD4060::Langue_Click(int index)
{
    m_langueChoisie = index == 1 ? Commun::Langue::Anglais : Commun::Langue::Francais;
    Commun::installerLangue(*m_langueChoisie); // every window hears LanguageChange
}

void Chronalys_CD4060::VisuSchema_Click()
{
    if (m_schema.isNull()) {
        m_schema = new Chronalys_CD4060_Schema();
        m_places[0]->suivre(m_schema);
    }
    m_schema->show();
}

void Chronalys_CD4060::Outils_Click(int index)
{
    if (index == 0) {
        if (m_precision.isNull()) {
            m_precision = new PrecisionWindow(sourceDesign(), m_tolerances, m_K4060_Reglages);
            PrecisionWindow *window = m_precision;
            connect(this, &Chronalys_CD4060::toolsDesignChanged, window, &PrecisionWindow::setDesign);
            connect(window, &PrecisionWindow::tolerancesChanged, this,
                    [this](const calc::Tolerances &tolerances) {
                        quietly([&] {
                            m_tolerances = tolerances;
                            m_document->refreshTitle();
                            // They choose the trimmer to buy, which the sheet lists.
                            Q_EMIT realDesignChanged(realDesign());
                        });
                    });
            // "Appliquer" goes to the window whose design the precision window shows.
            connect(window, &PrecisionWindow::resistancesApplied, this,
                    [this](const QString &talon, const QString &potentiometre) {
                        if (m_source == Source::LongueDuree)
                            m_longueDuree->Appliquer_Resistances(talon, potentiometre);
                        else
                            quietly([&] { Appliquer_Resistances(talon, potentiometre); });
                    });
            connect(window, &PrecisionWindow::patternApplied, this, [this](int motif) {
                if (m_source == Source::LongueDuree)
                    m_longueDuree->Appliquer_Motif(static_cast<std::uint64_t>(motif));
                else
                    quietly([&] { Appliquer_Motif(motif); });
            });
            connect(window, &PrecisionWindow::partsApplied, this, [this](const QString &capacitor, const QString &talon) {
                if (m_source == Source::LongueDuree) {
                    m_longueDuree->Appliquer_Condensateur(capacitor);
                    m_longueDuree->Appliquer_Resistances(talon, QStringLiteral("0"));
                    return;
                }
                quietly([&] {
                    Appliquer_Condensateur(capacitor);
                    Appliquer_Resistances(talon, QStringLiteral("0"));
                });
            });
            connect(window, &PrecisionWindow::constantChosen, this,
                    [this](double constante) { quietly([&] { setConstante_K4060(constante); }); });
            m_places[2]->suivre(window);
            showSource();
        }
        m_precision->show();
        m_precision->raise();
    } else if (index == 1) {
        if (m_feuilleMontage.isNull()) {
            m_feuilleMontage = new FeuilleMontage(sourceDesign());
            connect(this, &Chronalys_CD4060::toolsDesignChanged, m_feuilleMontage.data(), &FeuilleMontage::setDesign);
            showSource(); // the sheet's title block names the design file open
            m_places[3]->suivre(m_feuilleMontage);
        }
        m_feuilleMontage->show();
        m_feuilleMontage->raise();
        m_feuilleMontage->activateWindow();
    } else if (index == 3) {
        if (m_chronogramme.isNull()) {
            m_chronogramme = new ChronogrammeWindow(sourceDesign());
            connect(this, &Chronalys_CD4060::toolsDesignChanged, m_chronogramme.data(),
                    &ChronogrammeWindow::setDesign);
            m_places[4]->suivre(m_chronogramme);
            showSource();
        }
        m_chronogramme->show();
        m_chronogramme->raise();
        m_chronogramme->activateWindow();
    } else if (index == 4) {
        openLongueDuree();
    } else if (index == 2) {
        report::Sections sections;
        // Zone E joins the report once the user has opened the precision window.
        sections.precision = !m_precision.isNull();
        sections.chronogramme = !m_chronogramme.isNull(); // section F likewise
        QGuiApplication::clipboard()->setText(
            m_source == Source::LongueDuree
                ? report::longReport(m_longueDuree->longRoad(), m_longueDuree->realDesign(), sections, m_separator)
                : report::textReport(shownRoad(), sections));
    }
}

LongueDureeWindow *Chronalys_CD4060::openLongueDuree()
{
    if (m_longueDuree.isNull()) {
        m_longueDuree = new LongueDureeWindow(realDesign(), m_recents);
        LongueDureeWindow *window = m_longueDuree;
        // Its T and T1 are its own; the settings it takes from here are not the user's change there.
        connect(this, &Chronalys_CD4060::realDesignChanged, window, [this, window](const calc::RealDesign &design) {
            m_feeding = true;
            window->setDesign(design);
            m_feeding = false;
        });
        connect(window, &LongueDureeWindow::realDesignChanged, this, [this](const calc::RealDesign &design) {
            if (!m_feeding && m_source != Source::LongueDuree)
                setSource(Source::LongueDuree);
            else if (m_source == Source::LongueDuree)
                Q_EMIT toolsDesignChanged(design);
        });
        connect(window, &LongueDureeWindow::activated, this, [this] { setSource(Source::LongueDuree); });
        connect(window, &LongueDureeWindow::closed, this, [this] { setSource(Source::Principale); });
        // A file's constant, series and tolerances are the run's, as a chip chosen in the precision window.
        connect(window, &LongueDureeWindow::conceptionSettings, this, [this](const report::Conception &conception) {
            quietly([&] {
                m_tolerances = conception.tolerances;
                if (!m_precision.isNull())
                    m_precision->setTolerances(m_tolerances);
                E12E24_Click(conception.Pas_Serie);
                setConstante_K4060(conception.constant()); // zone D again, and "Longue durée" follows
                m_texteK4060 = conception.K4060;
                m_document->refreshTitle();
            });
        });
        window->document()->setRoute([this](const report::Conception &conception) { return documentFor(conception); });
        connect(window->document(), &ConceptionDocument::fileChanged, this, &Chronalys_CD4060::showSource);
        m_places[5]->suivre(window);
    }
    m_longueDuree->show();
    m_longueDuree->raise();
    m_longueDuree->activateWindow();
    setSource(Source::LongueDuree);
    return m_longueDuree;
}

void Chronalys_CD4060::setSource(Source source)
{
    if (source == m_source || (source == Source::LongueDuree && m_longueDuree.isNull()))
        return;
    m_source = source;
    showSource();
    Q_EMIT toolsDesignChanged(sourceDesign());
}

calc::RealDesign Chronalys_CD4060::sourceDesign() const
{
    return m_source == Source::LongueDuree ? m_longueDuree->realDesign() : realDesign();
}

ConceptionDocument *Chronalys_CD4060::sourceDocument() const
{
    return m_source == Source::LongueDuree ? m_longueDuree->document() : m_document;
}

void Chronalys_CD4060::showSource()
{
    // The main window's design keeps the tools' own titles.
    const QString origin = m_source == Source::LongueDuree ? tr("Longue durée") : QString();
    for (QWidget *tool : {static_cast<QWidget *>(m_precision.data()), static_cast<QWidget *>(m_feuilleMontage.data()),
                          static_cast<QWidget *>(m_chronogramme.data())})
        if (tool != nullptr)
            setDesignOrigin(tool, origin);
    if (!m_feuilleMontage.isNull()) {
        const ConceptionDocument *document = sourceDocument();
        const bool open = !document->path().isEmpty();
        m_feuilleMontage->setConception(open ? document->saved().nom : QString(), open ? document->saved().note : QString());
    }
}

calc::Road Chronalys_CD4060::shownRoad() const
{
    calc::Road road;
    road.periodText = text(m_Valeur[0]->text());
    road.pulseText = text(m_Valeur[1]->text());
    road.labelText = text(m_FrequenceOscillateur[1]->text());
    road.alarmsKnown = false;
    road.designed = m_Conversion_reelle[0]->isEnabled();
    if (road.designed) {
        road.design.Motif_Q = m_Motif_Q;
        for (std::size_t n = 1; n <= calc::OutputCount; ++n)
            road.design.on[n] = m_QcOnOff[n]->text() == QStringLiteral("On");
        road.design.R2_Theorique = m_R2_Theorique;
        road.design.C2Caption = text(m_CondensateurCalcul[1]->text());
        road.design.R2Caption = text(m_ResistanceCalcul[1]->text());
    }
    road.converted = m_Calcul_RC_vers_F->isEnabled();
    road.real = realDesign();
    return road;
}

void Chronalys_CD4060::Appliquer_Resistances(const QString &talon, const QString &potentiometre)
{
    // Between the two changes the sum is new talon + old potentiometer, or the reverse: take the
    // smaller, so no passing sum raises alarm 1 that the final parts would not.
    const double newTalon = calc::readNumber(text(talon));
    const double newPot = calc::readNumber(text(potentiometre));
    const double oldTalon = calc::readNumber(text(m_ResistanceCombo[0]->currentText()));
    const double oldPot = calc::readNumber(text(m_ResistanceCombo[1]->currentText()));
    const bool talonFirst = newTalon + oldPot <= oldTalon + newPot;
    setResistanceText(talonFirst ? 0 : 1, talonFirst ? talon : potentiometre);
    setResistanceText(talonFirst ? 1 : 0, talonFirst ? potentiometre : talon);
}

void Chronalys_CD4060::Appliquer_Condensateur(const QString &condensateur)
{
    m_CondensateurReel->setText(condensateur); // its change handling runs
}

void Chronalys_CD4060::Appliquer_Motif(int motif)
{
    for (int k = 1; k <= calc::OutputCount; ++k)
        if (((motif >> (k - 1)) & 1) != ((markedPattern() >> (k - 1)) & 1))
            QrOnOff_Click(k);
}

void Chronalys_CD4060::setConstante_K4060(double constante)
{
    if (!(constante > 0) || !std::isfinite(constante))
        return;
    m_Constante_K4060 = constante;
    m_texteK4060 = qtext(calc::formatGeneral(constante * 1e8, '.'));
    Calcul_RC_vers_F_Click();
}

void Chronalys_CD4060::writeConception(report::Conception &conception) const
{
    conception.T = m_Valeur[0]->text();
    conception.T1 = m_Valeur[1]->text();
    conception.Pas_Serie = m_Pas_Serie;
    conception.K4060 = m_texteK4060;
    conception.tolerances = m_tolerances;
    conception.montage.reset();
    conception.composants.reset();
    if (m_Calcul_RC_vers_F->isEnabled()) // converted into real parts
        // The conversion writes C2 with a trailing blank that no key gives: the file holds the number.
        conception.composants = report::Conception::Parts{
            m_CondensateurReel->text().trimmed(), m_ResistanceCombo[0]->currentText().trimmed(),
            m_ResistanceCombo[1]->currentText().trimmed(), calc::outputsOf(markedPattern())};
}

void Chronalys_CD4060::replayConception(const report::Conception &c)
{
    // The file's constant and tolerances for this run, as a chip chosen in the precision window.
    m_Constante_K4060 = c.constant();
    m_texteK4060 = c.K4060;
    m_tolerances = c.tolerances;
    if (!m_precision.isNull())
        m_precision->setTolerances(m_tolerances);
    E12E24_Click(c.Pas_Serie);
    m_Valeur[1]->setText(c.T1);
    m_Valeur[0]->setText(c.T);
    Calcul_F_vers_RC_Click();
    const bool designed = !calc::isPeriodTooShort(m_Periode_T)
                          && calc::designTimer(m_Periode_T, m_Pulse_T1, m_Periode_Oscillateur, m_Constante_K4060,
                                               m_separator).completed;
    if (c.composants && designed) {
        Conversion_reelle_Click(c.Pas_Serie);
        // The file holds the user's parts, whatever the conversion proposes today.
        if (m_CondensateurReel->text().trimmed() != c.composants->C2)
            Appliquer_Condensateur(c.composants->C2);
        Appliquer_Resistances(c.composants->talon, c.composants->potentiometre);
        Appliquer_Motif(calc::patternOf(c.composants->sorties));
    }
}

ConceptionDocument *Chronalys_CD4060::documentFor(const report::Conception &conception)
{
    return conception.montage ? openLongueDuree()->document() : m_document;
}

bool Chronalys_CD4060::unsavedChangesHandled()
{
    return m_document->unsavedChangesHandled()
           && (m_longueDuree.isNull() || m_longueDuree->document()->unsavedChangesHandled());
}
