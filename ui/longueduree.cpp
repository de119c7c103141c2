#include "ui/longueduree.h"

#include "report/precisiontext.h"
#include "report/words.h"

#include "calc/numbertext.h"
#include "calc/precision.h"
#include "ui/clickablelabel.h"
#include "ui/closeonescape.h"
#include "ui/conceptiondocument.h"
#include "ui/numerickeyfilter.h"
#include "ui/toolwidgets.h"
#include "ui/windowfont.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString Dash = QStringLiteral("—");

// Beyond it a number would be written with hundreds of digits.
constexpr double LargestShown = 1e15;

// Parts beyond these are outside what the oscillator is designed for.
constexpr double LargestCapacitor = 1000;  // nanofarads
constexpr double LargestResistance = 1000; // kilohms

constexpr int LastStage = 28; // the top stage of a CD4060 after the CD4060

QString qtext(const std::string &value) { return QString::fromStdString(value); }



bool marked(std::uint64_t marks, int stage) { return (marks >> (stage - 1) & 1) != 0; }

// Translated when shown, in the order of the window's create steps.
constexpr std::array<const char *, 6> GroupTitles = {
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Temporisation demandée"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Valeur des composants calculés"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Valeur réelle des composants"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Sorties à diode : un clic ou Espace la pose ou l'ôte"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Temporisation réelle"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Règles des fiches techniques")};
constexpr std::array<const char *, 4> EntryCaptions = {
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Période T (s)"), QT_TRANSLATE_NOOP("LongueDureeWindow", "Pulse T1 (s)"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Second compteur"), QT_TRANSLATE_NOOP("LongueDureeWindow", "Étage haut S")};
constexpr std::array<const char *, 3> TheoryCaptions = {
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Période oscillateur ="),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Condensateur \"C2\" ="),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Résistance \"R2\" =")};
constexpr std::array<const char *, 3> PartCaptions = {
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Condensateur \"C2\" (nF)"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Talon (kΩ)"),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Réglage de l'ajustable (kΩ)")};
constexpr std::array<const char *, 4> RealCaptions = {
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Période \"T\" ="), QT_TRANSLATE_NOOP("LongueDureeWindow", "Pulse \"T1\" ="),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Période oscillateur ="),
    QT_TRANSLATE_NOOP("LongueDureeWindow", "Résistance \"Rs\" =")};

} // namespace

LongueDureeWindow::LongueDureeWindow(const calc::RealDesign &design, RecentConceptions *recents, QWidget *parent)
    : QWidget(parent, Qt::Window), m_Mode_Affichage(design.Mode_Affichage), m_separator(design.separator),
      m_notation(design.notation)
{
    setObjectName(QStringLiteral("LongueDuree"));
    closeOnEscape(this);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    setFont(windowFont(8, QFont::Normal));
    m_entry.K = design.K;
    m_entry.Pas_Serie = design.Pas_Serie;
    m_entry.tolerances = design.tolerances;
    m_keyFilter = new NumericKeyFilter(
        [this] {
            m_keyMessage = [] { return tr("Un nombre n'a qu'un seul séparateur décimal."); };
            showAll();
        },
        this);

    m_document = new ConceptionDocument(
        this,
        {[this](report::Conception &conception) { writeConception(conception); },
         [this](const report::Conception &conception) { replayConception(conception); },
         [](const QString &nom) { return nom.isEmpty() ? tr("Longue durée") : tr("Longue durée — %1").arg(nom); }},
        recents != nullptr ? recents : new RecentConceptions(this));
    connect(this, &LongueDureeWindow::realDesignChanged, m_document, &ConceptionDocument::refreshTitle);

    auto *whole = new QVBoxLayout(this);
    auto *menus = new QMenuBar(this);
    m_Fichier = menus->addMenu(QString());
    m_Fichier->setObjectName(QStringLiteral("FF"));
    m_document->createMenu(m_Fichier);
    whole->setMenuBar(menus);
    const std::array<QWidget *, 2> column = twoColumns(this, whole);
    createEntry(column[0]);
    createTheory(column[0]);
    createParts(column[0]);
    createStages(column[1]);
    createTiming(column[1]);
    createRules(column[1]);
    m_Message = makeLabel(QStringLiteral("Message"));
    setColour(m_Message, Qt::red);
    whole->addWidget(m_Message);

    const std::array<double, 2> wanted = {design.T, design.T1};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const QSignalBlocker blocker(m_Valeur[i]);
        m_Valeur[i]->setText(wanted[i] > 0 ? general(wanted[i]) : QString());
    }
    redesign(true);
    retranslate();
}

void LongueDureeWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Q_EMIT activated();
    QWidget::changeEvent(event);
}

void LongueDureeWindow::closeEvent(QCloseEvent *event)
{
    if (!m_document->unsavedChangesHandled()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

void LongueDureeWindow::retranslate()
{
    m_Fichier->setTitle(tr("&Fichier"));
    m_document->retranslate(); // the title too
    for (std::size_t i = 0; i < m_Groupe.size(); ++i)
        m_Groupe[i]->setTitle(tr(GroupTitles[i]));
    for (std::size_t i = 0; i < m_LabelEntree.size(); ++i)
        m_LabelEntree[i]->setText(tr(EntryCaptions[i]));
    m_Compteur->setAccessibleDescription(tr("Le compteur cadencé par la sortie Q14 du CD4060"));
    m_EtageHaut->setAccessibleDescription(
        tr("L'étage dont la sortie commande la bascule : T vaut 2 puissance S périodes de l'oscillateur"));
    for (std::size_t i = 0; i < m_LabelTheorie.size(); ++i)
        m_LabelTheorie[i]->setText(tr(TheoryCaptions[i]));
    for (std::size_t i = 0; i < m_LabelComposant.size(); ++i)
        m_LabelComposant[i]->setText(tr(PartCaptions[i]));
    m_LabelAjustable->setText(tr("Ajustable à acheter"));
    m_LabelCompteurs[1]->setText(tr("Premier compteur : %1").arg(QStringLiteral("CD4060")));
    for (std::size_t i = 0; i < m_LabelReel.size(); ++i)
        m_LabelReel[i]->setText(tr(RealCaptions[i]));
    for (int stage = 1; stage <= LastStage; ++stage)
        m_Etage[static_cast<std::size_t>(stage)]->setToolTip(
            tr("Un clic ou Espace pose ou ôte la diode (en rouge : cette sortie n'a pas de broche)"));
    showAll();
}

void LongueDureeWindow::createEntry(QWidget *column)
{
    m_Groupe[0] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[0]);
    for (int i = 0; i < 4; ++i) {
        m_LabelEntree[static_cast<std::size_t>(i)] = makeLabel(indexed("LabelEntree", i));
        layout->addWidget(m_LabelEntree[static_cast<std::size_t>(i)], i, 0);
    }
    for (int i = 0; i < 2; ++i) {
        auto *field = new QLineEdit;
        field->setObjectName(indexed("Valeur", i));
        field->setFont(windowFont(10, QFont::Bold));
        m_keyFilter->watch(field);
        connect(field, &QLineEdit::textChanged, this, [this] { redesign(true); });
        m_Valeur[static_cast<std::size_t>(i)] = field;
        layout->addWidget(field, i, 1);
    }
    m_Compteur = new QComboBox;
    m_Compteur->setObjectName(QStringLiteral("Compteur"));
    for (calc::SecondCounter counter : calc::SecondCounters)
        m_Compteur->addItem(QLatin1String(calc::counterName(counter)));
    connect(m_Compteur, &QComboBox::currentIndexChanged, this, [this] { redesign(true); });
    layout->addWidget(m_Compteur, 2, 1);
    m_EtageHaut = new QSpinBox;
    m_EtageHaut->setObjectName(QStringLiteral("EtageHaut"));
    m_EtageHaut->setRange(calc::FirstTopStage, calc::lastTopStage(m_entry.counter));
    connect(m_EtageHaut, &QSpinBox::valueChanged, this, [this](int stage) {
        m_entry.stage = stage;
        redesign(false);
    });
    layout->addWidget(m_EtageHaut, 3, 1);
    m_Bascule = makeLabel(QStringLiteral("Bascule"));
    layout->addWidget(m_Bascule, 4, 0, 1, 2);
    for (std::size_t i = 0; i < m_LabelEntree.size(); ++i)
        m_LabelEntree[i]->setBuddy(layout->itemAtPosition(static_cast<int>(i), 1)->widget());
}

void LongueDureeWindow::createTheory(QWidget *column)
{
    m_Groupe[1] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[1]);
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_LabelTheorie[at] = makeLabel(indexed("LabelTheorie", i));
        m_Theorie[at] = makeLabel(indexed("Theorie", i));
        layout->addWidget(m_LabelTheorie[at], i, 0, Qt::AlignRight);
        layout->addWidget(m_Theorie[at], i, 1);
    }
    m_Theorie[0]->setToolTip(tr("Valeur théorique de la période"));
    layout->setColumnStretch(1, 1);
}

void LongueDureeWindow::createParts(QWidget *column)
{
    m_Groupe[2] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[2]);
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_LabelComposant[at] = makeLabel(indexed("LabelComposant", i));
        auto *field = new QLineEdit;
        field->setObjectName(indexed("Composant", i));
        m_keyFilter->watch(field);
        connect(field, &QLineEdit::textChanged, this, &LongueDureeWindow::partsTyped);
        m_LabelComposant[at]->setBuddy(field);
        m_Composant[at] = field;
        layout->addWidget(m_LabelComposant[at], i, 0);
        layout->addWidget(field, i, 1);
    }
    m_LabelAjustable = makeLabel(QStringLiteral("LabelAjustable"));
    m_Ajustable = makeLabel(QStringLiteral("Ajustable"));
    layout->addWidget(m_LabelAjustable, 3, 0);
    layout->addWidget(m_Ajustable, 3, 1);
    m_Avertissement = makeLabel(QStringLiteral("Avertissement"));
    setColour(m_Avertissement, Qt::red);
    layout->addWidget(m_Avertissement, 4, 0, 1, 2);
}

void LongueDureeWindow::createStages(QWidget *column)
{
    m_Groupe[3] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[3]);
    layout->setHorizontalSpacing(2);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("Q14")) + 8;
    // Two rows of Q14 down to Q1, as the main window draws its outputs; the second counter above,
    // its stages weighing more. Created in that order, so Tab follows it.
    for (int row = 0; row < 2; ++row) {
        m_LabelCompteurs[static_cast<std::size_t>(row)] = makeLabel(indexed("LabelCompteurs", row));
        layout->addWidget(m_LabelCompteurs[static_cast<std::size_t>(row)], 3 * row, 0, 1, 14);
        for (int q = 14; q >= 1; --q) {
            const int stage = row == 0 ? 14 + q : q;
            const auto at = static_cast<std::size_t>(stage);
            m_NomEtage[at] = makeLabel(indexed("NomEtage", stage));
            m_NomEtage[at]->setText(QStringLiteral("Q%1").arg(q));
            m_NomEtage[at]->setAlignment(Qt::AlignCenter);
            auto *cell = new ClickableLabel;
            cell->setObjectName(indexed("Etage", stage));
            cell->setTextFormat(Qt::PlainText);
            cell->setFrameStyle(QFrame::Box | QFrame::Plain);
            cell->setAlignment(Qt::AlignCenter);
            cell->setMinimumWidth(width);
            QPalette palette = cell->palette();
            palette.setColor(QPalette::Window, palette.color(QPalette::Base));
            cell->setPalette(palette);
            cell->setAutoFillBackground(true);
            connect(cell, &ClickableLabel::clicked, this, [this, stage] { Etage_Click(stage); });
            m_Etage[at] = cell;
            layout->addWidget(m_NomEtage[at], 3 * row + 1, 14 - q);
            layout->addWidget(cell, 3 * row + 2, 14 - q);
        }
    }
    m_SansBroche = makeLabel(QStringLiteral("SansBroche"));
    setColour(m_SansBroche, Qt::red);
    layout->addWidget(m_SansBroche, 6, 0, 1, 14);
}

void LongueDureeWindow::createTiming(QWidget *column)
{
    m_Groupe[4] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[4]);
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_LabelReel[at] = makeLabel(indexed("LabelReel", i));
        m_Reel[at] = makeLabel(indexed("Reel", i));
        layout->addWidget(m_LabelReel[at], i, 0, Qt::AlignRight);
        layout->addWidget(m_Reel[at], i, 1);
    }
    for (int i = 0; i < 2; ++i) {
        m_Ecart[static_cast<std::size_t>(i)] = makeLabel(indexed("Ecart", i));
        layout->addWidget(m_Ecart[static_cast<std::size_t>(i)], i, 2);
    }
    m_Reel[0]->setFont(windowFont(10, QFont::Bold));
    m_Reel[1]->setFont(windowFont(10, QFont::Bold));
    layout->setColumnStretch(2, 1);
}

void LongueDureeWindow::createRules(QWidget *column)
{
    m_Groupe[5] = makeGroup(column);
    auto *layout = new QVBoxLayout(m_Groupe[5]);
    for (int i = 0; i < 4; ++i) {
        m_Regle[static_cast<std::size_t>(i)] = makeLabel(indexed("Regle", i));
        layout->addWidget(m_Regle[static_cast<std::size_t>(i)]);
    }
}

void LongueDureeWindow::setDesign(const calc::RealDesign &design)
{
    const bool settings = design.K != m_entry.K || design.Pas_Serie != m_entry.Pas_Serie ||
                          !(design.tolerances == m_entry.tolerances);
    const bool numbers = design.Mode_Affichage != m_Mode_Affichage || design.separator != m_separator;
    m_Mode_Affichage = design.Mode_Affichage;
    m_separator = design.separator;
    m_notation = design.notation;
    if (settings && design.K > 0 && std::isfinite(design.K)) {
        m_entry.K = design.K;
        m_entry.Pas_Serie = design.Pas_Serie;
        m_entry.tolerances = design.tolerances;
        redesign(false); // a stage the user chose stays
    } else if (numbers) {
        showAll();
        Q_EMIT realDesignChanged(realDesign());
    }
}

void LongueDureeWindow::redesign(bool proposeStage)
{
    m_entry.T = calc::readNumber(m_Valeur[0]->text().toStdString());
    m_entry.T1 = calc::readNumber(m_Valeur[1]->text().toStdString());
    m_entry.counter = calc::SecondCounters.at(static_cast<std::size_t>(std::max(0, m_Compteur->currentIndex())));
    if (proposeStage)
        m_entry.stage.reset();
    m_design = calc::designLong(m_entry);
    {
        // Without a stage, the value below the range shows a dash rather than a stale stage.
        const QSignalBlocker blocker(m_EtageHaut);
        const bool staged = m_design.stage >= calc::FirstTopStage;
        m_EtageHaut->setSpecialValueText(staged ? QString() : Dash);
        m_EtageHaut->setRange(calc::FirstTopStage - (staged ? 0 : 1), calc::lastTopStage(m_entry.counter));
        m_EtageHaut->setValue(staged ? m_design.stage : m_EtageHaut->minimum());
    }
    const bool designed = m_design.refusal == calc::LongRefusal::None;
    const std::array<QString, 3> parts = {general(m_design.C2), general(m_design.talon),
                                          qtext(calc::formatKilohms(m_design.setting, m_separator))};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QSignalBlocker blocker(m_Composant[i]);
        m_Composant[i]->setText(designed ? parts[i] : QString());
    }
    m_parts.marks = m_design.marks;
    partsTyped();
}

void LongueDureeWindow::partsTyped()
{
    // As the fields read, so the timing is that of the parts shown.
    m_parts.C2 = calc::readNumber(m_Composant[0]->text().toStdString());
    m_parts.talon = calc::readNumber(m_Composant[1]->text().toStdString());
    m_parts.setting = calc::readNumber(m_Composant[2]->text().toStdString());
    retime();
}

void LongueDureeWindow::Etage_Click(int stage)
{
    if (m_design.refusal != calc::LongRefusal::None || stage >= m_design.stage)
        return;
    m_parts.marks ^= std::uint64_t{1} << (stage - 1);
    retime();
}

void LongueDureeWindow::retime()
{
    m_keyMessage = {};
    if (m_design.refusal == calc::LongRefusal::None)
        m_timing = calc::longTiming(m_entry, m_design.stage, m_parts);
    showAll();
    Q_EMIT realDesignChanged(realDesign());
}

calc::RealDesign LongueDureeWindow::realDesign() const
{
    // Refused, the design has no parts to assess, nor a stage below the range.
    const bool designed = m_design.refusal == calc::LongRefusal::None;
    return calc::realDesignOf(m_entry, std::max(m_design.stage, calc::FirstTopStage),
                              designed ? m_parts : calc::LongParts{}, m_Mode_Affichage, m_separator, m_notation);
}

calc::LongRoad LongueDureeWindow::longRoad() const
{
    calc::LongRoad road{m_entry, m_design, m_parts, std::nullopt};
    if (m_design.refusal == calc::LongRefusal::None)
        road.timing = m_timing;
    return road;
}

void LongueDureeWindow::Appliquer_Resistances(const QString &talon, const QString &reglage)
{
    m_Composant[1]->setText(talon); // each runs its change handling
    m_Composant[2]->setText(reglage);
}

void LongueDureeWindow::Appliquer_Condensateur(const QString &condensateur) { m_Composant[0]->setText(condensateur); }

void LongueDureeWindow::Appliquer_Motif(std::uint64_t marks)
{
    for (int stage = 1; stage <= LastStage; ++stage)
        if (marked(marks, stage) != marked(m_parts.marks, stage))
            Etage_Click(stage);
}

void LongueDureeWindow::writeConception(report::Conception &conception) const
{
    conception.T = m_Valeur[0]->text();
    conception.T1 = m_Valeur[1]->text();
    conception.Pas_Serie = m_entry.Pas_Serie;
    // The file's own writing of the constant stays while it is the constant in use.
    if (conception.constant() != m_entry.K)
        conception.K4060 = qtext(calc::formatGeneral(m_entry.K * 1e8, '.'));
    conception.tolerances = m_entry.tolerances;
    conception.montage = calc::Cascade{m_entry.counter, std::max(m_design.stage, calc::FirstTopStage)};
    conception.composants.reset();
    if (m_design.refusal != calc::LongRefusal::None)
        return;
    std::vector<int> sorties;
    for (int stage = 1; stage < m_design.stage; ++stage)
        if (marked(m_parts.marks, stage))
            sorties.push_back(stage);
    conception.composants = report::Conception::Parts{m_Composant[0]->text().trimmed(), m_Composant[1]->text().trimmed(),
                                                      m_Composant[2]->text().trimmed(), sorties};
}

void LongueDureeWindow::replayConception(const report::Conception &conception)
{
    // Taken first, so that the main window's design, coming back through setDesign, changes nothing.
    m_entry.K = conception.constant();
    m_entry.Pas_Serie = conception.Pas_Serie;
    m_entry.tolerances = conception.tolerances;
    Q_EMIT conceptionSettings(conception);
    m_Valeur[1]->setText(conception.T1);
    m_Valeur[0]->setText(conception.T);
    const calc::Cascade cascade = conception.montage.value_or(calc::Cascade{});
    const auto counter = std::find(calc::SecondCounters.begin(), calc::SecondCounters.end(), cascade.counter);
    m_Compteur->setCurrentIndex(static_cast<int>(counter - calc::SecondCounters.begin()));
    if (m_EtageHaut->value() != cascade.stage) {
        m_EtageHaut->setValue(cascade.stage);
    } else { // the stage proposed is the file's: chosen now, as a typed one would be
        m_entry.stage = cascade.stage;
        redesign(false);
    }
    if (!conception.composants)
        return;
    Appliquer_Condensateur(conception.composants->C2);
    Appliquer_Resistances(conception.composants->talon, conception.composants->potentiometre);
    std::uint64_t marks = 0;
    for (int stage : conception.composants->sorties)
        if (stage >= 1 && stage <= LastStage)
            marks |= std::uint64_t{1} << (stage - 1);
    Appliquer_Motif(marks);
}

void LongueDureeWindow::showAll()
{
    const bool designed = m_design.refusal == calc::LongRefusal::None;
    // A pulse too short still has its stage, C2 and R2: a lower stage may reach it.
    const bool staged = designed || m_design.refusal == calc::LongRefusal::PulseTooShort;
    const QString counter = QLatin1String(calc::counterName(m_entry.counter));

    m_EtageHaut->setEnabled(staged);
    m_Bascule->setText(staged ? tr("%1 commande la bascule").arg(stageName(m_design.stage)) : QString());
    m_Theorie[0]->setText(staged ? shown(m_design.P * 1000) + QStringLiteral(" ms") : Dash);
    m_Theorie[1]->setText(staged ? qtext(calc::formatPattern(m_design.C2, "0.0#", m_separator)) + QStringLiteral(" nF")
                                 : Dash);
    m_Theorie[2]->setText(staged ? qtext(calc::formatPattern(m_design.R2, "0.0#", m_separator)) + QStringLiteral(" kΩ")
                                 : Dash);

    for (QLineEdit *field : m_Composant)
        field->setEnabled(designed);
    if (!designed)
        m_Ajustable->setText(Dash);
    else if (m_design.trimmer > 0)
        m_Ajustable->setText(m_design.trimmerAdvised
                                 ? tr("%1 kΩ").arg(general(m_design.trimmer))
                                 : tr("%1 kΩ (sa course ne couvre pas les tolérances)").arg(general(m_design.trimmer)));
    else
        m_Ajustable->setText(tr("aucun ajustable standard n'atteint le réglage"));
    m_Avertissement->setText(designed ? warnings() : QString());

    m_LabelCompteurs[0]->setText(tr("Second compteur : %1").arg(counter));
    QStringList pinless;
    for (int stage = 1; stage <= LastStage; ++stage) {
        const auto at = static_cast<std::size_t>(stage);
        const bool visible = designed && stage < m_design.stage;
        const bool on = visible && marked(m_parts.marks, stage);
        const bool pin = calc::stageHasPin(m_entry.counter, stage);
        ClickableLabel *cell = m_Etage[at];
        cell->setText(on ? QStringLiteral("On") : QString());
        cell->setAccessibleName(on ? tr("%1 : diode").arg(stageName(stage)) : tr("%1 : sans diode").arg(stageName(stage)));
        setColour(cell, on && !pin ? QColor(Qt::red) : palette().color(QPalette::WindowText));
        cell->setVisible(visible);
        m_NomEtage[at]->setVisible(visible);
        m_NomEtage[at]->setEnabled(pin);
        if (on && !pin)
            pinless << stageName(stage);
    }
    m_LabelCompteurs[0]->setVisible(designed && m_design.stage > calc::FirstTopStage);
    m_LabelCompteurs[1]->setVisible(designed);
    m_SansBroche->setText(pinless.isEmpty() ? QString()
                                            : tr("Sans broche, pas de diode possible : %1").arg(pinless.join(QStringLiteral(", "))));

    m_Reel[0]->setText(designed ? shown(m_timing.T) + QStringLiteral(" s") : Dash);
    m_Reel[1]->setText(designed ? shown(m_timing.T1) + QStringLiteral(" s") : Dash);
    m_Reel[2]->setText(designed ? shown(m_timing.P * 1000) + QStringLiteral(" ms") : Dash);
    m_Reel[3]->setText(designed ? tr("%1 kΩ").arg(general(m_timing.Rs)) : Dash);
    m_Ecart[0]->setText(designed ? percent(m_timing.errorT) : QString());
    m_Ecart[1]->setText(designed ? percent(m_timing.errorT1) : QString());
    for (std::size_t i = 0; i < m_Regle.size(); ++i) {
        const calc::Rule &rule = m_timing.rules[i];
        m_Regle[i]->setText(designed ? report::ruleSentence(rule, m_separator)
                                     : tr("%1 : %2").arg(qtext(calc::ruleCaption(calc::AllRules[i], m_separator, report::words())), Dash));
        setColour(m_Regle[i], designed && !rule.met ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    }
    m_Message->setText(m_keyMessage ? m_keyMessage() : refusal());
}

QString LongueDureeWindow::refusal() const
{
    switch (m_design.refusal) {
    case calc::LongRefusal::None:
        return {};
    case calc::LongRefusal::PeriodOutOfRange:
        return tr("T doit aller de %1 à %2 s.").arg(general(calc::ShortestLongPeriod), general(calc::LongestLongPeriod));
    case calc::LongRefusal::PulseOutOfRange:
        if (!(m_entry.T1 > 0))
            return tr("T1 doit être plus long que 0 s.");
        return tr("T1 doit être plus court que T / %1, soit %2 s.").arg(general(2.001), shown(m_entry.T / 2.001));
    case calc::LongRefusal::StageOutOfRange:
        return tr("L'étage haut doit aller de %1 à %2 avec un %3.")
            .arg(calc::FirstTopStage)
            .arg(calc::lastTopStage(m_entry.counter))
            .arg(QLatin1String(calc::counterName(m_entry.counter)));
    case calc::LongRefusal::StageWithoutPin:
        return tr("L'étage haut %1 n'a pas de broche sur le %2 : choisissez-en un autre.")
            .arg(m_design.stage)
            .arg(QLatin1String(calc::counterName(m_entry.counter)));
    case calc::LongRefusal::PulseTooShort:
        return tr("T1 est plus court que le plus court pulse possible, %1 s ; un étage haut plus bas le raccourcit.")
            .arg(shown(m_design.finestPulse));
    }
    return {};
}

QString LongueDureeWindow::warnings() const
{
    QStringList lines;
    if (m_parts.C2 > LargestCapacitor)
        lines << tr("C2 dépasse %1 nF : un étage haut plus élevé le réduit.").arg(general(LargestCapacitor));
    if (m_parts.talon + m_parts.setting > LargestResistance)
        lines << tr("Talon + réglage dépassent %1 kΩ, au-delà de la plage de l'oscillateur.").arg(general(LargestResistance));
    if (m_design.trimmer > 0 && m_parts.setting > m_design.trimmer)
        lines << tr("Le réglage dépasse l'ajustable de %1 kΩ.").arg(general(m_design.trimmer));
    return lines.join(QLatin1Char('\n'));
}

QString LongueDureeWindow::general(double value) const { return qtext(calc::formatGeneral(value, m_separator)); }

QString LongueDureeWindow::shown(double value) const
{
    if (!std::isfinite(value) || std::fabs(value) >= LargestShown)
        return QStringLiteral("?");
    return qtext(calc::formatSeconds(value, m_Mode_Affichage, m_separator));
}

QString LongueDureeWindow::percent(const std::optional<double> &value) const
{
    if (!value || std::fabs(*value) >= LargestShown)
        return Dash;
    return QStringLiteral("(%1)").arg(qtext(calc::formatPercent(*value, m_separator)));
}

QString LongueDureeWindow::stageName(int stage) const
{
    if (stage <= 14)
        return tr("Q%1 du CD4060").arg(stage);
    return tr("Q%1 du second compteur (%2)").arg(stage - 14).arg(QLatin1String(calc::counterName(m_entry.counter)));
}
