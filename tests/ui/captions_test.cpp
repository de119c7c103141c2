// Every caption a user sees is whole, whatever face the system resolves: tests/CMakeLists.txt
// runs this again with DejaVu Sans alone, at twice the scale and in English.
#include "windowfixture.h"

#include "ui/captionlabel.h"
#include "ui/chronogramdrawing.h"
#include "ui/feuilleaide.h"
#include "ui/feuillemontage.h"
#include "ui/titledframe.h"
#include "ui/windowfont.h"
#include "settings/language.h"

#include <QFontDatabase>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QListView>
#include <QTreeView>
#include <QTableWidget>
#include <QTimer>
#include <QFontInfo>
#include <QPaintEngine>
#include <QStyle>

namespace {

// CHRONALYS_TEST_LANGUE=en: the English interface, with its help file.
bool inEnglish() { return qEnvironmentVariable("CHRONALYS_TEST_LANGUE") == QLatin1String("en"); }

struct TestLanguage {
    TestLanguage() { Commun::installerLangue(inEnglish() ? Commun::Langue::Anglais : Commun::Langue::Francais); }
    ~TestLanguage() { Commun::installerLangue(Commun::Langue::Francais); }
};

// Captions cut by their label or by a frame around them (clear of its border), or over a field.
QStringList cutCaptions(const QWidget *window)
{
    QStringList faults;
    auto checkFrames = [&](const QWidget *owner, const QWidget *frame, const QRect &drawn) {
        for (; frame != window; frame = frame->parentWidget())
            if (!frame->rect().adjusted(2, 0, -2, -2).contains(QRect(owner->mapTo(frame, drawn.topLeft()), drawn.size())))
                faults << owner->objectName() + QStringLiteral(" cut by ") + frame->objectName();
    };
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets)
        if (auto *frame = qobject_cast<const TitledFrame *>(widget); frame && frame->isVisibleTo(window))
            checkFrames(frame, frame, frame->titleRect());
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->wordWrap())
            continue;
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        int width = 0;
        for (const QString &line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const QRect text = QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
            {width, metrics.height() + metrics.lineSpacing() * int(lines.size() - 1)}, label->contentsRect());
        if (!label->contentsRect().contains(text))
            faults << label->objectName() + QStringLiteral(" cut by its label");
        // A boxed label's border is drawn whole too.
        checkFrames(label, label->parentWidget(), label->frameShape() != QFrame::NoFrame ? label->rect() : text);
        for (const QWidget *field : widgets)
            if (field->isVisibleTo(window) && field->focusPolicy() != Qt::NoFocus && !qobject_cast<const QLabel *>(field) &&
                QRect(field->mapTo(window, QPoint()), field->size()).intersects(QRect(label->mapTo(window, text.topLeft()), text.size())))
                faults << label->objectName() + QStringLiteral(" over ") + field->objectName();
    }
    return faults;
}

TEST_F(WindowTest, EveryCaptionIsWholeWithTheFaceResolved)
{
    const QString expected = qEnvironmentVariable("CHRONALYS_EXPECTED_FACE");
    if (!expected.isEmpty() || QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(windowFont(8)).family().toStdString(),
                  expected.isEmpty() ? "Liberation Sans" : expected.toStdString());
    }

    // Zones B to D with results, as after a user's first design.
    const TestLanguage language;
    start();
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    ASSERT_NE(caption(QStringLiteral("ResistanceCalcul(1)")), QStringLiteral("??? "));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(cutCaptions(m_window.get()).join(QStringLiteral(", ")).toStdString(), "");

    // The long-period window with a design and an output without a pin marked.
    action(QStringLiteral("Outils(4)"))->trigger();
    LongueDureeWindow *longueDuree = m_window->longueDuree();
    ASSERT_NE(longueDuree, nullptr);
    QTest::mouseClick(longueDuree->findChild<QWidget *>(QStringLiteral("Etage(11)")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(cutCaptions(longueDuree).join(QStringLiteral(", ")).toStdString(), "");

    // The help file the program ships, whole in its window.
    const QString helpFile = inEnglish() ? QStringLiteral("Chronalys_CD4060_Aide_en.TXT") : QStringLiteral("Chronalys_CD4060_Aide.TXT");
    QFile::copy(QStringLiteral(CHRONALYS_DATA_SOURCE_DIR "/") + helpFile, path(helpFile));
    action(QStringLiteral("Aide(0)"))->trigger();
    FeuilleAide *help = m_window->findChild<FeuilleAide *>();
    for (QWidget *window : QApplication::topLevelWidgets())
        help = help ? help : qobject_cast<FeuilleAide *>(window);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(cutCaptions(help).join(QStringLiteral(", ")).toStdString(), "");
    EXPECT_LE(help->ZoneHelp()->heightForWidth(help->ZoneHelp()->width()), help->ZoneHelp()->height());
    help->close();
}

// The sheet window's parts list, every cell whole, and the design-name dialog wide enough for the
// title a window manager writes in bold beside its icon and three buttons.
TEST_F(WindowTest, EveryCaptionIsWholeInTheSheetAndTheNameDialog)
{
    const TestLanguage language;
    start();
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    action(QStringLiteral("Outils(1)"))->trigger();
    ASSERT_NE(m_window->feuilleMontage(), nullptr);
    QCoreApplication::sendPostedEvents();
    const auto *table = m_window->feuilleMontage()->findChild<QTableWidget *>(QStringLiteral("Nomenclature"));
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    QStringList cut;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column) {
            const QRect cell = table->visualRect(table->model()->index(row, column)).adjusted(margin, 0, -margin, 0);
            const QString text = table->item(row, column)->text();
            if (!cell.contains(table->fontMetrics().boundingRect(cell, Qt::AlignVCenter | Qt::TextWordWrap, text)))
                cut << text;
        }
    // Its "Enregistrer…" dialog, Qt's own here and in the program's language: the places and the
    // column titles.
    struct QtInTheLanguage {
        QtInTheLanguage() { Commun::traduireDialoguesQt(!inEnglish()); }
        ~QtInTheLanguage() { Commun::traduireDialoguesQt(false); } // the other tests read Qt's English
    } qt;
    const TestLanguage again; // Qt's French is installed with the program's
    QTimer::singleShot(0, m_window.get(), [&cut] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto *places = dialog->findChild<QListView *>(QStringLiteral("sidebar"));
        if (places->sizeHintForColumn(0) > places->viewport()->width())
            cut << QStringLiteral("places");
        const QHeaderView *header = dialog->findChild<QTreeView *>(QStringLiteral("treeView"))->header();
        for (int column = 0; column < header->count(); ++column)
            if (header->sectionSize(column) < header->sectionSizeHint(column))
                cut << header->model()->headerData(column, Qt::Horizontal).toString();
        dialog->reject();
    });
    m_window->feuilleMontage()->Enregistrer_Click();
    EXPECT_EQ(cut.join(QStringLiteral(", ")).toStdString(), "");

    int width = 0, needed = 0;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QFont bold = dialog->font();
        bold.setBold(true);
        width = dialog->width();
        needed = QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 8 * QFontMetrics(bold).height();
        dialog->reject();
    });
    EXPECT_FALSE(m_window->Enregistrer_Sous(path(QStringLiteral("essai"))));
    EXPECT_GE(width, needed);
}

// Every text a drawing writes, with its box in device pixels.
class TextRecorder : public QPaintDevice, QPaintEngine {
public:
    explicit TextRecorder(QSize size) : QPaintEngine(AllFeatures), m_size(size) {}
    QPaintEngine *paintEngine() const override { return const_cast<TextRecorder *>(this); }
    std::vector<std::pair<QString, QRectF>> texts;

private:
    int metric(PaintDeviceMetric metric) const override
    {
        return metric == PdmWidth ? m_size.width() : metric == PdmHeight ? m_size.height()
             : metric == PdmDepth ? 32 : metric == PdmDevicePixelRatio ? 1
             : metric == PdmDevicePixelRatioScaled ? static_cast<int>(devicePixelRatioFScale())
             : metric == PdmWidthMM || metric == PdmHeightMM ? 100 : 96;
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        const QFontMetricsF metrics(item.font());
        texts.emplace_back(item.text(), m_transform.mapRect(QRectF(at.x(), at.y() - metrics.ascent(),
                                                                    metrics.horizontalAdvance(item.text()), metrics.height())));
    }
    Type type() const override { return User; }

    QSize m_size;
    QTransform m_transform;
};

// Whole, inside the drawing, none over another, no "nan" or "inf": for designs at the edges too.
TEST_F(WindowTest, EveryCaptionIsWholeInTheChronogramme)
{
    const TestLanguage language;
    start();
    click(QStringLiteral("Calcul_F_vers_RC"));
    click(QStringLiteral("Conversion_reelle(24)"));
    action(QStringLiteral("Outils(3)"))->trigger();
    ChronogrammeWindow *window = m_window->chronogramme();
    ASSERT_NE(window, nullptr);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(cutCaptions(window).join(QStringLiteral(", ")).toStdString(), "");
    const QSize size = window->findChild<QWidget *>(QStringLiteral("Dessin"))->size();
    // The last rows: a second counter (CD4020) up to stage 27 or 28, whose zoom counts from T/2.
    for (const auto &[pattern, capacitor, K, stage] :
         {std::tuple{-1, "", 0.0, 0}, {8191, "", 0.0, 0}, {0, "", 0.0, 0}, {1024 | 1, "", 0.0, 0},
          {8 | 4096, "1e-9", 0.0, 0}, {8191, "1e9", 0.0, 0}, {2056, "", 1e-15, 0}, {8, "1e300", 0.0, 0},
          {8, "0", 0.0, 0}, {8 | 1 << 15 | 1 << 20, "", 0.0, 27}, {16, "", 0.0, 28}}) {
        calc::RealDesign design = window->design();
        design.pattern = pattern < 0 ? design.pattern : static_cast<std::uint64_t>(pattern);
        if (stage > 0)
            design.cascade = calc::Cascade{calc::SecondCounter::CD4020, stage};
        design.capacitorText = *capacitor ? capacitor : design.capacitorText;
        design.K = K > 0 ? K : design.K;
        for (const QSize area : {size, QSize(640, 420)}) {
            TextRecorder recorder(area);
            QPainter painter(&recorder);
            draw(painter, calc::chronogram(design), QRectF(QPointF(), area));
            painter.end();
            const std::string row = std::to_string(pattern) + " " + capacitor + " " + std::to_string(area.width());
            ASSERT_FALSE(recorder.texts.empty()) << row;
            for (std::size_t i = 0; i < recorder.texts.size(); ++i) {
                const auto &[text, box] = recorder.texts[i];
                EXPECT_FALSE(text.contains(QStringLiteral("nan")) || text.contains(QStringLiteral("inf")) ||
                             text.contains(QChar(0x2026)) || !QRectF(QPointF(), area).contains(box))
                    << row << " " << text.toStdString();
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(box.intersects(recorder.texts[j].second)) << row << " " << text.toStdString()
                                                                           << " over " << recorder.texts[j].first.toStdString();
            }
        }
    }
}

} // namespace
