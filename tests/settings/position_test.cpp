#include "settings/parametres.h"
#include "settings/position.h"
#include "settingsfixture.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QScreen>

#include <functional>
#include <memory>

namespace {

// The offscreen platform reports 96 dpi: 15 twips per pixel.
constexpr int TwipsPerPixel = 15;

std::unique_ptr<QWidget> shown(std::unique_ptr<QWidget> window, QPoint place, QSize size)
{
    window->resize(size);
    window->move(place);
    window->show();
    QApplication::processEvents();
    return window;
}

// Where a plain move() puts a shown window. The offscreen platform shifts a frame that would
// start left of the screen by its fake 2-pixel frame; a restored window must stand just there.
QPoint platformPlace(QPoint place)
{
    auto reference = shown(std::make_unique<QWidget>(), QPoint(40, 30), QSize(300, 200));
    reference->move(place);
    QApplication::processEvents();
    return reference->frameGeometry().topLeft();
}

template <typename Row>
class PositionFixture : public SettingsFixture<Row>
{
protected:
    void SetUp() override
    {
        SettingsFixture<Row>::SetUp();
        ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInchX() * TwipsPerPixel, 1440);
        ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInchY() * TwipsPerPixel, 1440);
    }
};

enum Side { AsCreated = -1, FrameOnly = -2, Desktop = -3 };

struct RestoreCase {
    const char *name;
    std::optional<QByteArray> file;
    const char *options;
    int earlierRestores; // with empty options
    QPoint place;        // frame top-left, pixels
    QSize frameSize;     // pixels, or a Side
};

class RestorePosition : public PositionFixture<RestoreCase> {};

const QPoint Created(40, 30);

TEST_P(RestorePosition, FromTheSettingsFile)
{
    const RestoreCase &c = GetParam();
    const QString file = settingsFile(c.file);
    auto window = shown(std::make_unique<QWidget>(), Created, QSize(300, 200));
    const QSize created = window->frameGeometry().size();
    const QSize frame = created - window->size();
    for (int i = 0; i < c.earlierRestores; ++i)
        Commun::Restaure_Position(window.get(), file, QString());
    Commun::Restaure_Position(window.get(), file, text(c.options));
    QApplication::processEvents();

    const QSize desktop = window->screen()->virtualSize();
    auto side = [](int expected, int asCreated, int frameOnly, int desktop) {
        return expected == AsCreated ? asCreated : expected == FrameOnly ? frameOnly : expected == Desktop ? desktop : expected;
    };
    EXPECT_EQ(window->frameGeometry().topLeft(), platformPlace(c.place));
    EXPECT_EQ(window->frameGeometry().width(), side(c.frameSize.width(), created.width(), frame.width(), desktop.width()));
    EXPECT_EQ(window->frameGeometry().height(), side(c.frameSize.height(), created.height(), frame.height(), desktop.height()));
    EXPECT_EQ(Commun::Compte_Restaure(), c.earlierRestores + 1);
}

QByteArray position0(const char *keys) { return "[Position_0]\r\n" + QByteArray(keys); }

const QSize Unchanged(AsCreated, AsCreated);

INSTANTIATE_TEST_SUITE_P(
    Files, RestorePosition,
    testing::Values(
        RestoreCase{"no_file_top_left_corner", std::nullopt, "P", 0, QPoint(0, 0), Unchanged},
        RestoreCase{"negative_left_kept", position0("Haut=1200\r\nDroite=-300\r\n"), "P", 0, QPoint(-20, 80), Unchanged},
        RestoreCase{"place_and_size_lower_case", position0("Haut=150\r\nDroite=300\r\nHauteur=3000\r\nLargeur=6000\r\n"), "pd", 0,
                    QPoint(20, 10), QSize(400, 200)},
        RestoreCase{"size_only", position0("Haut=150\r\nDroite=300\r\nHauteur=3000\r\nLargeur=6000\r\n"), "d", 0, Created, QSize(400, 200)},
        RestoreCase{"empty_options_count", position0("Haut=150\r\n[Position_1]\r\nHaut=300\r\nDroite=450\r\n"), "P", 1, QPoint(30, 20), Unchanged},
        RestoreCase{"empty_height_unchanged", position0("Hauteur=\r\nLargeur=6000\r\n"), "D", 0, Created, QSize(400, AsCreated)},
        RestoreCase{"zero_height_set", position0("Hauteur=0\r\n"), "D", 0, Created, QSize(AsCreated, FrameOnly)},
        RestoreCase{"comma_ends_number", position0("Haut=1200,9e1\r\nDroite=0\r\n"), "P", 0, QPoint(0, 80), Unchanged},
        RestoreCase{"left_out_of_sight", position0("Haut=1500\r\nDroite=-30000\r\n"), "P", 0, QPoint(0, 0), Unchanged},
        RestoreCase{"top_out_of_sight", position0("Haut=15000000\r\nDroite=1500\r\n"), "P", 0, QPoint(0, 0), Unchanged},
        // A title bar the user could not grab: above the screen, or all but 40 pixels of it to the left.
        RestoreCase{"title_bar_above_the_screen", position0("Haut=-150\r\nDroite=1500\r\n"), "P", 0, QPoint(0, 0), Unchanged},
        RestoreCase{"title_bar_mostly_left", position0("Haut=1500\r\nDroite=-3900\r\n"), "P", 0, QPoint(0, 0), Unchanged},
        RestoreCase{"beyond_single_precision_ignored", position0("Haut=1e39\r\nDroite=1500\r\n"), "P", 0, QPoint(100, 30), Unchanged},
        RestoreCase{"within_single_precision_far_away", position0("Haut=1e38\r\nDroite=1500\r\n"), "P", 0, QPoint(0, 0), Unchanged},
        RestoreCase{"not_a_number_is_zero", position0("Haut=abc\r\nDroite=1500\r\n"), "P", 0, QPoint(100, 0), Unchanged},
        RestoreCase{"giant_size_bounded", position0("Hauteur=1e30\r\nLargeur=1e30\r\n"), "D", 0, Created, QSize(Desktop, Desktop)}),
    rowName<RestoreCase>);

struct WindowCase {
    const char *name;
    std::function<std::unique_ptr<QWidget>()> make;
    QPoint place;
    int earlierSaves;
};

class SaveAndRestore : public PositionFixture<WindowCase> {};

// Any top-level window comes back where and as large as it was, a negative place included.
TEST_P(SaveAndRestore, AnyWindowComesBack)
{
    auto window = shown(GetParam().make(), GetParam().place, QSize(320, 240));
    const QRect saved = window->frameGeometry();
    Commun::Sauve_Position(window.get(), path());
    window->move(200, 150);
    window->resize(150, 100);
    QApplication::processEvents();
    Commun::Restaure_Position(window.get(), path(), QStringLiteral("PD"));
    QApplication::processEvents();
    EXPECT_EQ(window->frameGeometry().topLeft(), platformPlace(saved.topLeft()));
    EXPECT_EQ(window->frameGeometry().size(), saved.size());
}

// A first "Quitter" without settings file: nine keys in two sections, in their order, the
// frame in twips; a later save of the run takes the next section.
TEST_P(SaveAndRestore, NineKeysOnQuit)
{
    auto window = shown(GetParam().make(), GetParam().place, QSize(320, 240));
    for (int i = 0; i < GetParam().earlierSaves; ++i)
        Commun::Sauve_Position(window.get(), path("other.INI"));
    Commun::Ecrire_INI(Commun::Entrees_Parametres(Commun::Parametres()) + Commun::Entrees_Sauve_Position(window.get()), path());
    const QRect frame = window->frameGeometry();
    auto twips = [](int pixels) { return QByteArray::number(pixels * TwipsPerPixel); };
    EXPECT_EQ(readBytes(path()), "[parametres]\r\nE12E24=1\r\nValeur_T=18000\r\nValeur_T1=25\r\nK4060=280\r\nSignificatif=4\r\n"
                                 "[Position_" + QByteArray::number(GetParam().earlierSaves) + "]\r\nHaut=" + twips(frame.top())
                                     + "\r\nDroite=" + twips(frame.left()) + "\r\nHauteur=" + twips(frame.height())
                                     + "\r\nLargeur=" + twips(frame.width()) + "\r\n");
    EXPECT_EQ(Commun::Compte_Sauve(), GetParam().earlierSaves + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, SaveAndRestore,
    testing::Values(WindowCase{"plain_widget", [] { return std::make_unique<QWidget>(); }, QPoint(100, 50), 0},
                    WindowCase{"main_window", [] { return std::make_unique<QMainWindow>(); }, QPoint(100, 50), 1},
                    WindowCase{"dialog", [] { return std::make_unique<QDialog>(); }, QPoint(100, 50), 10},
                    WindowCase{"negative_place", [] { return std::make_unique<QMainWindow>(); }, QPoint(-20, 80), 0}),
    rowName<WindowCase>);

} // namespace
