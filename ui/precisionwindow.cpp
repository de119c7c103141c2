#include "ui/precisionwindow.h"

#include "report/precisiontext.h"

#include "ui/closeonescape.h"
#include "ui/numerickeyfilter.h"
#include "ui/toolwidgets.h"
#include "calc/numbertext.h"
#include "ui/tooltitle.h"
#include "ui/windowfont.h"

#include "settings/language.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString qtext(const std::string &value) { return QString::fromStdString(value); }


QPushButton *makeApplyButton(const QString &name)
{
    auto *button = new QPushButton;
    button->setObjectName(name);
    button->setEnabled(false);
    return button;
}


// Tolerance fields, in the order of calc::Tolerances.
constexpr std::array<double calc::Tolerances::*, 4> ToleranceMembers = {
    &calc::Tolerances::r, &calc::Tolerances::c, &calc::Tolerances::k, &calc::Tolerances::p};

// Translated when shown, in the order of the window's create steps.
constexpr std::array<const char *, 7> GroupTitles = {
    QT_TRANSLATE_NOOP("PrecisionWindow", "Écart"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Tolérances"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Ajustable conseillé"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Pulse réalisable le plus proche"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Autres solutions"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Règles des fiches techniques"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Constante du circuit")};
constexpr std::array<const char *, 4> ToleranceCaptions = {
    QT_TRANSLATE_NOOP("PrecisionWindow", "Résistances r"), QT_TRANSLATE_NOOP("PrecisionWindow", "Condensateur c"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Constante K d'un circuit à l'autre k"),
    QT_TRANSLATE_NOOP("PrecisionWindow", "Ajustable p")};
constexpr std::array<const char *, 4> SolutionHeaders = {
    "C2", QT_TRANSLATE_NOOP("PrecisionWindow", "Talon"), "T", QT_TRANSLATE_NOOP("PrecisionWindow", "Écart")};

} // namespace

PrecisionWindow::PrecisionWindow(const calc::RealDesign &design, const calc::Tolerances &tolerances,
                                 double settingsK, QWidget *parent)
    : QWidget(parent, Qt::Window), m_design(design), m_tolerances(tolerances), m_settingsK(settingsK)
{
    setObjectName(QStringLiteral("Precision"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    setFont(windowFont(8, QFont::Normal));
    m_keyFilter = new NumericKeyFilter(
        [this] { showMessage([] { return tr("Un nombre n'a qu'un seul séparateur décimal."); }); }, this);

    auto *whole = new QVBoxLayout(this);
    m_nothing = makeLabel(QStringLiteral("RienAEvaluer"));
    whole->addWidget(m_nothing);
    const std::array<QWidget *, 2> column = twoColumns(this, whole);
    createDeviation(column[0]);
    createTolerances(column[0]);
    createTrimmer(column[0]);
    createPulses(column[0]);
    createSolutions(column[1]);
    createRules(column[1]);
    createConstant(column[1]);
    m_message = makeLabel(QStringLiteral("Message"));
    setColour(m_message, Qt::red);
    whole->addWidget(m_message);
    retranslate();
}

void PrecisionWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PrecisionWindow::retranslate()
{
    setToolTitle(this, tr("Précision du montage"));
    m_nothing->setText(tr("Rien à évaluer pour l'instant : il faut d'abord un condensateur et une résistance (zone C)."));
    for (std::size_t i = 0; i < m_Groupe.size(); ++i)
        m_Groupe[i]->setTitle(tr(GroupTitles[i]));
    for (std::size_t i = 0; i < m_Tolerance.size(); ++i) {
        m_LabelTolerance[i]->setText(tr(ToleranceCaptions[i]));
        m_Tolerance[i]->setAccessibleDescription(tr("Tolérance en pour cent"));
    }
    for (std::size_t i = 0; i < m_EnteteSolution.size(); ++i)
        m_EnteteSolution[i]->setText(tr(SolutionHeaders[i]));
    for (QPushButton *button : findChildren<QPushButton *>())
        if (button->objectName().startsWith(QLatin1String("Appliquer")))
            button->setText(tr("Appliquer"));
    for (std::size_t i = 0; i < calc::ChipConstants.size(); ++i)
        m_Puce->setItemText(static_cast<int>(i), QString::fromStdString(calc::chipCaption(calc::ChipConstants[i], Commun::notation())));
    m_Puce->setItemText(static_cast<int>(calc::ChipConstants.size()), tr("Valeur des réglages"));
    m_Puce->setAccessibleDescription(tr("Le circuit dont la constante K4060 sert au calcul"));
    m_LabelPuce->setText(tr("Circuit"));
    m_LabelMesureT->setText(tr("Période T mesurée (s)"));
    m_MesureT->setAccessibleDescription(tr("La période mesurée sur le montage, qui calibre K4060"));
    m_Calibrer->setText(tr("Calibrer"));
    if (m_calibratedK4060 > 0)
        m_Calibrage->setText(tr("K4060 calibré = %1").arg(general(m_calibratedK4060)));
    m_message->setText(m_messageText ? m_messageText() : QString());
    recompute();
}

void PrecisionWindow::createDeviation(QWidget *column)
{
    m_Groupe[0] = makeGroup(column);
    auto *layout = new QVBoxLayout(m_Groupe[0]);
    for (int i = 0; i < 2; ++i) {
        m_Ecart[static_cast<std::size_t>(i)] = makeLabel(indexed("Ecart", i));
        layout->addWidget(m_Ecart[static_cast<std::size_t>(i)]);
    }
}

void PrecisionWindow::createTolerances(QWidget *column)
{
    m_Groupe[1] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[1]);
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto *field = new QLineEdit(general(m_tolerances.*ToleranceMembers[at]));
        field->setObjectName(indexed("Tolerance", i));
        field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        m_keyFilter->watch(field);
        m_toleranceTexts[at] = field->text();
        m_Tolerance[at] = field;
        connect(field, &QLineEdit::textChanged, this, [this, i] { toleranceEdited(i); });
        connect(field, &QLineEdit::editingFinished, this, [this, i] { toleranceFinished(i); });
        QLabel *label = makeLabel(indexed("LabelTolerance", i));
        label->setBuddy(field); // its caption names the field to a screen reader
        m_LabelTolerance[at] = label;
        layout->addWidget(label, i, 0);
        layout->addWidget(field, i, 1);
        layout->addWidget(new QLabel(QStringLiteral("%")), i, 2);
    }
    const std::array<const char *, 3> names = {"PireCasT", "PireCasT1", "Statistique"};
    for (int i = 0; i < 3; ++i) {
        m_Dispersion[static_cast<std::size_t>(i)] = makeLabel(QLatin1String(names[static_cast<std::size_t>(i)]));
        layout->addWidget(m_Dispersion[static_cast<std::size_t>(i)], 4 + i, 0, 1, 3);
    }
}

void PrecisionWindow::createTrimmer(QWidget *column)
{
    m_Groupe[2] = makeGroup(column);
    auto *layout = new QVBoxLayout(m_Groupe[2]);
    for (int i = 0; i < 4; ++i) {
        m_Ajustable[static_cast<std::size_t>(i)] = makeLabel(indexed("Ajustable", i));
        m_Ajustable[static_cast<std::size_t>(i)]->setWordWrap(true);
        layout->addWidget(m_Ajustable[static_cast<std::size_t>(i)]);
    }
    m_AppliquerAjustable = makeApplyButton(QStringLiteral("AppliquerAjustable"));
    layout->addWidget(m_AppliquerAjustable, 0, Qt::AlignRight);
    connect(m_AppliquerAjustable, &QPushButton::clicked, this, [this] {
        const calc::TrimmerAdvice advice = m_precision.trimmer; // the design changes on the way
        Q_EMIT resistancesApplied(general(advice.talon), kilohms(advice.setting));
    });
}

void PrecisionWindow::createPulses(QWidget *column)
{
    m_Groupe[3] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[3]);
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_Pulse[at] = makeLabel(indexed("Pulse", i));
        m_Pulse[at]->setWordWrap(true); // the stages of two counters make a long list
        m_AppliquerPulse[at] = makeApplyButton(indexed("AppliquerPulse", i));
        layout->addWidget(m_Pulse[at], i, 0);
        layout->addWidget(m_AppliquerPulse[at], i, 1);
        connect(m_AppliquerPulse[at], &QPushButton::clicked, this,
                [this, at] { Q_EMIT patternApplied(m_precision.pulses[at].n); });
    }
    layout->setColumnStretch(0, 1);
}

void PrecisionWindow::createSolutions(QWidget *column)
{
    m_Groupe[4] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[4]);
    for (int j = 0; j < 4; ++j) {
        QLabel *header = makeLabel(indexed("EnteteSolution", j));
        header->setFont(windowFont(8, QFont::Bold));
        layout->addWidget(header, 0, j, Qt::AlignRight);
        m_EnteteSolution[static_cast<std::size_t>(j)] = header;
    }
    // Columns as wide as their usual widest cell, so a new design seldom moves the table.
    const std::array<QString, 4> widest = {QStringLiteral("1000 nF"), QStringLiteral("9100 kΩ"),
                                           QStringLiteral("99999 s"), QStringLiteral("+999.99 %")};
    for (int i = 0; i < 5; ++i) {
        const auto at = static_cast<std::size_t>(i);
        for (int j = 0; j < 4; ++j) {
            QLabel *cell = makeLabel(QStringLiteral("Solution(%1,%2)").arg(i).arg(j));
            cell->setMinimumWidth(fontMetrics().horizontalAdvance(widest[static_cast<std::size_t>(j)]));
            cell->setAlignment(Qt::AlignRight);
            m_Solution[at][static_cast<std::size_t>(j)] = cell;
            layout->addWidget(cell, i + 1, j);
        }
        m_AppliquerSolution[at] = makeApplyButton(indexed("AppliquerSolution", i));
        layout->addWidget(m_AppliquerSolution[at], i + 1, 4);
        connect(m_AppliquerSolution[at], &QPushButton::clicked, this, [this, at] {
            const calc::Solution solution = m_precision.solutions.at(at);
            Q_EMIT partsApplied(general(solution.C2), general(solution.talon));
        });
    }
}

void PrecisionWindow::createRules(QWidget *column)
{
    m_Groupe[5] = makeGroup(column);
    auto *layout = new QVBoxLayout(m_Groupe[5]);
    for (int i = 0; i < 4; ++i) {
        m_Regle[static_cast<std::size_t>(i)] = makeLabel(indexed("Regle", i));
        layout->addWidget(m_Regle[static_cast<std::size_t>(i)]);
    }
    m_longueDuree = makeLabel(QStringLiteral("ConseilLongueDuree"));
    m_longueDuree->setWordWrap(true);
    layout->addWidget(m_longueDuree);
}

void PrecisionWindow::createConstant(QWidget *column)
{
    m_Groupe[6] = makeGroup(column);
    auto *layout = new QGridLayout(m_Groupe[6]);
    m_Puce = new QComboBox;
    m_Puce->setObjectName(QStringLiteral("Puce"));
    for (std::size_t i = 0; i <= calc::ChipConstants.size(); ++i)
        m_Puce->addItem(QString()); // the chips, then "Valeur des réglages"
    connect(m_Puce, &QComboBox::activated, this, &PrecisionWindow::chipChosen);
    m_ConstanteUtilisee = makeLabel(QStringLiteral("ConstanteUtilisee"));
    m_MesureT = new QLineEdit;
    m_MesureT->setObjectName(QStringLiteral("MesureT"));
    m_keyFilter->watch(m_MesureT);
    m_Calibrer = new QPushButton;
    m_Calibrer->setObjectName(QStringLiteral("Calibrer"));
    connect(m_Calibrer, &QPushButton::clicked, this, &PrecisionWindow::Calibrer_Click);
    connect(m_MesureT, &QLineEdit::returnPressed, this, &PrecisionWindow::Calibrer_Click);
    m_Calibrage = makeLabel(QStringLiteral("Calibrage"));
    m_LabelPuce = makeLabel(QStringLiteral("LabelPuce"));
    m_LabelPuce->setBuddy(m_Puce);
    layout->addWidget(m_LabelPuce, 0, 0);
    layout->addWidget(m_Puce, 0, 1, 1, 2);
    layout->addWidget(m_ConstanteUtilisee, 1, 0, 1, 3);
    m_LabelMesureT = makeLabel(QStringLiteral("LabelMesureT"));
    m_LabelMesureT->setBuddy(m_MesureT);
    layout->addWidget(m_LabelMesureT, 2, 0);
    layout->addWidget(m_MesureT, 2, 1);
    layout->addWidget(m_Calibrer, 2, 2);
    layout->addWidget(m_Calibrage, 3, 0, 1, 3);
}

void PrecisionWindow::setDesign(const calc::RealDesign &design)
{
    m_design = design;
    recompute();
}

void PrecisionWindow::setTolerances(const calc::Tolerances &tolerances)
{
    m_tolerances = tolerances;
    for (std::size_t i = 0; i < m_Tolerance.size(); ++i) {
        m_toleranceTexts[i] = general(tolerances.*ToleranceMembers[i]);
        const QSignalBlocker blocker(m_Tolerance[i]);
        m_Tolerance[i]->setText(m_toleranceTexts[i]);
    }
    recompute();
}

void PrecisionWindow::recompute()
{
    m_precision = calc::assessPrecision(m_design, m_tolerances);
    const calc::Precision &p = m_precision;
    const bool ok = p.assessable;
    m_nothing->setVisible(!ok);
    selectChip();
    m_ConstanteUtilisee->setText(tr("Constante utilisée : K4060 = %1").arg(general(m_design.K * 1e8)));

    const report::PrecisionTexts texts = report::precisionTexts(p, m_design);
    auto show = [](const auto &labels, const auto &captions) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i]->setText(captions[i]);
    };
    show(m_Ecart, texts.errors);
    show(m_Dispersion, texts.spreads);
    show(m_Ajustable, texts.trimmer);
    m_AppliquerAjustable->setEnabled(ok && p.trimmer.verdict == calc::TrimmerAdvice::Verdict::Found);
    show(m_Pulse, texts.pulses);
    for (std::size_t i = 0; i < 2; ++i)
        m_AppliquerPulse[i]->setEnabled(ok && p.pulses[i].n > 0);
    for (std::size_t i = 0; i < m_Solution.size(); ++i) {
        show(m_Solution[i], texts.solutions[i]);
        m_AppliquerSolution[i]->setEnabled(ok && i < p.solutions.size());
    }
    show(m_Regle, texts.rules);
    m_longueDuree->setText(texts.longPeriod);
    m_longueDuree->setVisible(!texts.longPeriod.isEmpty());
    for (std::size_t i = 0; i < m_Regle.size(); ++i)
        setColour(m_Regle[i], ok && !p.rules[i].met ? QColor(Qt::red) : palette().color(QPalette::WindowText));
}

void PrecisionWindow::toleranceEdited(int index)
{
    const auto at = static_cast<std::size_t>(index);
    QLineEdit *field = m_Tolerance[at];
    if (field->text().isEmpty())
        return; // being retyped: the previous value stays in force
    const double value = calc::readNumber(field->text().toStdString());
    if (!calc::isTolerance(value)) {
        showMessage([] { return tr("Une tolérance est comprise entre 0 et 50 % : valeur refusée."); });
        const QSignalBlocker blocker(field);
        field->setText(m_toleranceTexts[at]);
        return;
    }
    m_toleranceTexts[at] = field->text();
    m_tolerances.*ToleranceMembers[at] = value;
    showMessage({});
    Q_EMIT tolerancesChanged(m_tolerances);
    recompute();
}

void PrecisionWindow::toleranceFinished(int index)
{
    const auto at = static_cast<std::size_t>(index);
    if (m_Tolerance[at]->text().isEmpty())
        m_Tolerance[at]->setText(m_toleranceTexts[at]);
}

void PrecisionWindow::selectChip()
{
    const QSignalBlocker blocker(m_Puce);
    const int settings = static_cast<int>(calc::ChipConstants.size());
    for (int i = 0; i < settings; ++i)
        if (m_design.K == calc::ChipConstants[static_cast<std::size_t>(i)].K) {
            m_Puce->setCurrentIndex(i);
            return;
        }
    if (m_design.K == m_settingsK) {
        m_Puce->setCurrentIndex(settings);
        return;
    }
    // Any other constant is a calibration's, this run's or the one a design file was saved with.
    m_calibratedK = m_design.K;
    if (m_Puce->count() == settings + 1)
        m_Puce->addItem(QString());
    m_Puce->setItemText(settings + 1, tr("Calibrée (%1)").arg(general(calc::fourSignificantDigits(m_design.K * 1e6))));
    m_Puce->setCurrentIndex(settings + 1);
}

void PrecisionWindow::chipChosen(int index)
{
    showMessage({});
    const auto at = static_cast<std::size_t>(index);
    if (at > calc::ChipConstants.size())
        Q_EMIT constantChosen(m_calibratedK);
    else
        Q_EMIT constantChosen(at < calc::ChipConstants.size() ? calc::ChipConstants[at].K : m_settingsK);
}

void PrecisionWindow::Calibrer_Click()
{
    if (!m_precision.assessable) {
        showMessage([] { return tr("Rien à calibrer : il faut d'abord un condensateur et une résistance."); });
        return;
    }
    const double measured = calc::readNumber(m_MesureT->text().toStdString());
    const std::optional<double> k4060 = calc::calibratedK4060(m_design, measured);
    if (!k4060) {
        showMessage([] { return tr("La période mesurée doit être un nombre de secondes plus grand que 0."); });
        return;
    }
    if (!calc::CalibrationRange.contains(*k4060)) {
        showMessage([separator = m_design.separator] { return report::calibrationRefusal(separator); });
        return;
    }
    showMessage({});
    m_calibratedK4060 = *k4060;
    m_Calibrage->setText(tr("K4060 calibré = %1").arg(general(*k4060)));
    Q_EMIT constantChosen(*k4060 / 1e8);
}

void PrecisionWindow::showMessage(std::function<QString()> text)
{
    m_messageText = std::move(text);
    m_message->setText(m_messageText ? m_messageText() : QString());
}

QString PrecisionWindow::kilohms(double value) const { return qtext(calc::formatKilohms(value, m_design.separator)); }

QString PrecisionWindow::general(double value) const { return qtext(calc::formatGeneral(value, m_design.separator)); }
