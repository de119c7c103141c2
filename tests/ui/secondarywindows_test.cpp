// The help window, the about box and the schematic window, driven as the main window's menu
// does, on the offscreen platform.
#include "ui/aide.h"
#include "ui/captionlabel.h"
#include "ui/feuilleaide.h"
#include "ui/messagebox.h"
#include "ui/schemawindow.h"
#include "ui/twips.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Boite {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

// Records the message boxes instead of showing them, for the lifetime of the object.
class BoitesInterceptees {
public:
    BoitesInterceptees()
    {
        setMessageBoxHook([this](QMessageBox::Icon icon, const QString &title, const QString &text) {
            m_boites.push_back({icon, title, text});
        });
    }
    ~BoitesInterceptees() { setMessageBoxHook({}); }
    BoitesInterceptees(const BoitesInterceptees &) = delete;
    BoitesInterceptees &operator=(const BoitesInterceptees &) = delete;

    const std::vector<Boite> &boites() const { return m_boites; }

private:
    std::vector<Boite> m_boites;
};

// What a title-bar close control leaves behind once the event loop has run.
void fermerParLaCroix(QWidget *fenetre)
{
    fenetre->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString q(const char *utf8) { return QString::fromUtf8(utf8); }

// Prints QStrings readably in failure messages, control characters included.
std::string lisible(const QString &texte)
{
    std::string sortie;
    for (const QChar c : texte) {
        if (c == QLatin1Char('\r'))
            sortie += "<CR>";
        else if (c == QLatin1Char('\n'))
            sortie += "<LF>";
        else
            sortie += QString(c).toStdString();
    }
    return sortie;
}

// ---------------------------------------------------------------------------------------------
// Help: reading the file

class AideTest : public testing::Test {
protected:
    void TearDown() override
    {
        delete fenetre;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void ecrire(const QByteArray &contenu)
    {
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(fichier.write(contenu), contenu.size());
    }

    QString legende() const { return fenetre ? fenetre->ZoneHelp()->caption() : QString(); }

    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("Chronalys_CD4060_Aide.TXT"));
    QPointer<FeuilleAide> fenetre;
    BoitesInterceptees boites;
};

struct LigneLecture {
    const char *nom;
    QByteArray contenu;
    const char *legendeUtf8; // the expected caption
};

void PrintTo(const LigneLecture &ligne, std::ostream *os) { *os << ligne.nom; }

class AideLecture : public AideTest, public testing::WithParamInterface<LigneLecture> {};

TEST_P(AideLecture, CaptionIsEveryLineFollowedByLfCr)
{
    ASSERT_TRUE(dossier.isValid());
    ecrire(GetParam().contenu);

    Aide_Afficher(fenetre, chemin);

    EXPECT_TRUE(boites.boites().empty());
    ASSERT_FALSE(fenetre.isNull());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(lisible(legende()), lisible(q(GetParam().legendeUtf8)));
}

const LigneLecture lignesLecture[] = {
    {"ThreeLinesCrLf", "a\r\nb\r\nc\r\n", "a\n\rb\n\rc\n\r"},
    {"ThreeLinesCrOnly", "a\rb\rc\r", "a\n\rb\n\rc\n\r"},
    {"ThreeLinesLfOnly", "a\nb\nc\n", "a\n\rb\n\rc\n\r"},
    {"MixedLineEnds", "a\rb\nc\r\n", "a\n\rb\n\rc\n\r"},
    {"LastLineWithoutEnd", "a\r\nb\r\nc", "a\n\rb\n\rc\n\r"},
    {"EmptyLineKept", "a\r\n\r\nb\r\n", "a\n\r\n\rb\n\r"},
    {"TwoCrAreTwoLines", "a\r\rb\r\n", "a\n\r\n\rb\n\r"},
    {"SpacesKept", "  a  \r\n\tb\r\n", "  a  \n\r\tb\n\r"},
    {"EmptyFile", "", ""},
    {"OnlyALineEnd", "\r\n", "\n\r"},
    {"Windows1252Accents", "P\xe9riode \xe0 r\xe9gler, \xab OK \xbb, 5 \x80\r\n\xc7" "a\r\n",
     "Période à régler, « OK », 5 €\n\rÇa\n\r"},
    {"Utf8WithBom", "\xef\xbb\xbfP\xc3\xa9riode\r\n", "Période\n\r"},
    {"Utf8WithoutBom", "\xc3\xa7\x61 marche \xe2\x80\x94 \xc3\xa9t\xc3\xa9\r\n", "ça marche — été\n\r"},
};

INSTANTIATE_TEST_SUITE_P(Lecture, AideLecture, testing::ValuesIn(lignesLecture),
                         [](const testing::TestParamInfo<LigneLecture> &info) {
                             return std::string(info.param.nom);
                         });

TEST_F(AideTest, LabelShowsEachLineOnceWithoutControlCharacters)
{
    ecrire("premi\xc3\xa8re\r\ndeuxi\xc3\xa8me\r\ntroisi\xc3\xa8me\r\n");

    Aide_Afficher(fenetre, chemin);

    ASSERT_FALSE(fenetre.isNull());
    const QString affiche = fenetre->ZoneHelp()->text();
    EXPECT_FALSE(affiche.contains(QLatin1Char('\r'))) << lisible(affiche);
    EXPECT_FALSE(affiche.contains(QStringLiteral("\n\n"))) << lisible(affiche);
    const QStringList attendu = {q("première"), q("deuxième"), q("troisième")};
    EXPECT_EQ(affiche.split(QLatin1Char('\n'), Qt::SkipEmptyParts), attendu) << lisible(affiche);
}

// ---------------------------------------------------------------------------------------------
// Help: file missing or unreadable

enum class Absence { NoFile, Directory };

struct LigneAbsence {
    const char *nom;
    Absence absence;
};

void PrintTo(const LigneAbsence &ligne, std::ostream *os) { *os << ligne.nom; }

class AideAbsente : public AideTest, public testing::WithParamInterface<LigneAbsence> {};

TEST_P(AideAbsente, ErrorBoxNamesTheFullPathAndNoWindowOpens)
{
    ASSERT_TRUE(dossier.isValid());
    if (GetParam().absence == Absence::Directory) {
        ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("Chronalys_CD4060_Aide.TXT")));
    }

    Aide_Afficher(fenetre, chemin);

    ASSERT_EQ(boites.boites().size(), 1u);
    const Boite &boite = boites.boites().front();
    EXPECT_EQ(boite.icon, QMessageBox::Critical);
    EXPECT_TRUE(boite.title.isEmpty()) << boite.title.toStdString();
    EXPECT_EQ(boite.text.toStdString(),
              (QStringLiteral("le fichier d'aide \"") + chemin + QStringLiteral("\" n'existe pas"))
                  .toStdString());
    EXPECT_TRUE(fenetre.isNull());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<FeuilleAide *>(w), nullptr);
}

const LigneAbsence lignesAbsence[] = {
    {"NoFile", Absence::NoFile},
    {"PathIsADirectory", Absence::Directory},
};

INSTANTIATE_TEST_SUITE_P(Absence, AideAbsente, testing::ValuesIn(lignesAbsence),
                         [](const testing::TestParamInfo<LigneAbsence> &info) {
                             return std::string(info.param.nom);
                         });

TEST_F(AideTest, FileGoneAfterwardsLeavesTheHiddenWindowAsItWas)
{
    ecrire("ancien\r\n");
    Aide_Afficher(fenetre, chemin);
    ASSERT_FALSE(fenetre.isNull());
    QTest::mouseClick(fenetre->Command1(), Qt::LeftButton);
    ASSERT_FALSE(fenetre->isVisible());
    ASSERT_TRUE(QFile::remove(chemin));

    Aide_Afficher(fenetre, chemin);

    ASSERT_EQ(boites.boites().size(), 1u);
    EXPECT_EQ(boites.boites().front().icon, QMessageBox::Critical);
    ASSERT_FALSE(fenetre.isNull());
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(legende(), QStringLiteral("ancien\n\r"));
}

#ifdef Q_OS_LINUX
// Opening succeeds but reading fails at once (address 0 is never mapped).
TEST_F(AideTest, ReadFailureAfterOpeningShowsWhatWasRead)
{
    const QString memoire = QStringLiteral("/proc/self/mem");
    QFile sonde(memoire);
    if (!sonde.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "/proc/self/mem cannot be opened here";
    sonde.close();

    Aide_Afficher(fenetre, memoire);

    EXPECT_TRUE(boites.boites().empty());
    ASSERT_FALSE(fenetre.isNull());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(legende(), QString());
}
#endif

// ---------------------------------------------------------------------------------------------
// Help: the window's life

TEST_F(AideTest, SecondAideReadsTheEditedFileIntoTheSameWindow)
{
    ecrire("avant\r\n");
    Aide_Afficher(fenetre, chemin);
    ASSERT_FALSE(fenetre.isNull());
    const FeuilleAide *premiere = fenetre.data();
    ASSERT_EQ(legende(), QStringLiteral("avant\n\r"));

    ecrire("apr\xc3\xa8s\r\nencore\r\n");
    Aide_Afficher(fenetre, chemin);

    ASSERT_FALSE(fenetre.isNull());
    EXPECT_EQ(fenetre.data(), premiere);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(legende(), q("après\n\rencore\n\r"));
}

TEST_F(AideTest, ShownAgainItStaysWhereItIs)
{
    ecrire("a\r\n");
    Aide_Afficher(fenetre, chemin);
    ASSERT_FALSE(fenetre.isNull());
    const QPoint ailleurs = fenetre->pos() + QPoint(37, 23);
    fenetre->move(ailleurs);
    ASSERT_EQ(fenetre->pos(), ailleurs);

    ecrire("b\r\n");
    Aide_Afficher(fenetre, chemin);

    EXPECT_EQ(fenetre->pos(), ailleurs);
    EXPECT_EQ(legende(), QStringLiteral("b\n\r"));
}

TEST_F(AideTest, OkHidesAndTheNextAideReadsAgain)
{
    ecrire("un\r\n");
    Aide_Afficher(fenetre, chemin);
    ASSERT_FALSE(fenetre.isNull());
    const FeuilleAide *premiere = fenetre.data();

    auto *ok = fenetre->findChild<QPushButton *>(QStringLiteral("Command1"));
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_FALSE(fenetre.isNull()) << "OK must hide the window, not destroy it";
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(legende(), QStringLiteral("un\n\r"));

    ecrire("deux\r\n");
    Aide_Afficher(fenetre, chemin);

    ASSERT_FALSE(fenetre.isNull());
    EXPECT_EQ(fenetre.data(), premiere);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(legende(), QStringLiteral("deux\n\r"));
}

TEST_F(AideTest, CloseControlDestroysAndTheNextAideRecreates)
{
    ecrire("un\r\n");
    Aide_Afficher(fenetre, chemin);
    ASSERT_FALSE(fenetre.isNull());

    fermerParLaCroix(fenetre);
    ASSERT_TRUE(fenetre.isNull());

    ecrire("deux\r\n");
    Aide_Afficher(fenetre, chemin);

    ASSERT_FALSE(fenetre.isNull());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(legende(), QStringLiteral("deux\n\r"));
}

TEST_F(AideTest, TextLongerThanTheLabelIsCutNotScrolled)
{
    QByteArray long_;
    for (int i = 1; i <= 300; ++i)
        long_ += "Ligne " + QByteArray::number(i) + " du mode d'emploi, assez longue pour occuper de la place.\r\n";
    ecrire(long_);

    Aide_Afficher(fenetre, chemin);

    ASSERT_FALSE(fenetre.isNull());
    const CaptionLabel *zone = fenetre->ZoneHelp();
    EXPECT_GT(zone->heightForWidth(zone->width()), zone->height()) << "the text must really overflow";
    EXPECT_EQ(zone->geometry(), QRect(twipsToPixels(120), twipsToPixels(120), twipsToPixels(11415),
                                      twipsToPixels(4815)));
    EXPECT_EQ(fenetre->size(), QSize(twipsToPixels(11625), twipsToPixels(5460)));
    EXPECT_TRUE(fenetre->findChildren<QAbstractScrollArea *>().isEmpty());
    EXPECT_TRUE(legende().endsWith(QStringLiteral("Ligne 300 du mode d'emploi, assez longue pour "
                                                  "occuper de la place.\n\r")));
}

// ---------------------------------------------------------------------------------------------
// Help window layout

struct LigneControle {
    const char *objectName;
    int left, top, width, height; // twips
};

void PrintTo(const LigneControle &ligne, std::ostream *os) { *os << ligne.objectName; }

class FeuilleAideControle : public testing::TestWithParam<LigneControle> {};

TEST_P(FeuilleAideControle, PlacedInTwips)
{
    FeuilleAide fenetre;
    const LigneControle &ligne = GetParam();
    auto *controle = fenetre.findChild<QWidget *>(QLatin1String(ligne.objectName));
    ASSERT_NE(controle, nullptr);
    EXPECT_EQ(controle->parentWidget(), &fenetre);
    EXPECT_EQ(controle->geometry(), QRect(twipsToPixels(ligne.left), twipsToPixels(ligne.top),
                                          twipsToPixels(ligne.width), twipsToPixels(ligne.height)));
}

const LigneControle lignesControle[] = {
    {"ZoneHelp", 120, 120, 11415, 4815},
    {"Command1", 5280, 5040, 1095, 375},
};

INSTANTIATE_TEST_SUITE_P(Controles, FeuilleAideControle, testing::ValuesIn(lignesControle),
                         [](const testing::TestParamInfo<LigneControle> &info) {
                             return std::string(info.param.objectName);
                         });

TEST(FeuilleAide, ControlsAsDesigned)
{
    FeuilleAide fenetre;

    auto *zone = fenetre.findChild<CaptionLabel *>(QStringLiteral("ZoneHelp"));
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(zone, fenetre.ZoneHelp());
    EXPECT_EQ(zone->caption(), QStringLiteral("Label1"));
    EXPECT_EQ(zone->textFormat(), Qt::PlainText);
    EXPECT_TRUE(zone->wordWrap());
    EXPECT_TRUE(zone->alignment() & Qt::AlignTop);
    EXPECT_TRUE(zone->alignment() & Qt::AlignLeft);

    auto *ok = fenetre.findChild<QPushButton *>(QStringLiteral("Command1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok, fenetre.Command1());
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));

    EXPECT_EQ(zone->nextInFocusChain(), ok);
}

TEST(FeuilleAide, CannotBeResizedAwayFromItsLayout)
{
    FeuilleAide fenetre;
    const QSize taille(twipsToPixels(11625), twipsToPixels(5460));
    EXPECT_EQ(fenetre.minimumSize(), taille);
    EXPECT_EQ(fenetre.maximumSize(), taille);
}

// ---------------------------------------------------------------------------------------------
// Both secondary windows

struct LigneFenetre {
    const char *nom;
    std::function<QWidget *()> creer;
    const char *objectName;
    const char *titreUtf8;
    int width, height; // client area, twips
};

void PrintTo(const LigneFenetre &ligne, std::ostream *os) { *os << ligne.nom; }

class FenetreSecondaire : public testing::TestWithParam<LigneFenetre> {};

QImage imageIcone(const QIcon &icone) { return icone.pixmap(QSize(32, 32)).toImage(); }

TEST_P(FenetreSecondaire, TopLevelWindowAsDesigned)
{
    const LigneFenetre &ligne = GetParam();
    QPointer<QWidget> fenetre = ligne.creer();

    EXPECT_TRUE(fenetre->isWindow());
    EXPECT_FALSE(fenetre->isVisible()) << "created hidden, shown on demand";
    EXPECT_EQ(fenetre->windowModality(), Qt::NonModal);
    EXPECT_EQ(fenetre->objectName(), QLatin1String(ligne.objectName));
    EXPECT_EQ(fenetre->windowTitle(), q(ligne.titreUtf8));
    EXPECT_EQ(fenetre->size(), QSize(twipsToPixels(ligne.width), twipsToPixels(ligne.height)));
    const QImage icone = imageIcone(fenetre->windowIcon());
    ASSERT_FALSE(icone.isNull());
    EXPECT_EQ(icone, imageIcone(QIcon(QStringLiteral(":/pictures/icone.svg"))));

    fenetre->show();
    fermerParLaCroix(fenetre);
    EXPECT_TRUE(fenetre.isNull()) << "the close control must destroy the window";
    delete fenetre;
}

TEST_P(FenetreSecondaire, EscapeClosesIt)
{
    QPointer<QWidget> fenetre = GetParam().creer();
    fenetre->show();
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre));
    QTest::keyClick(fenetre->focusWidget() ? fenetre->focusWidget() : fenetre.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
    delete fenetre;
}

const LigneFenetre lignesFenetre[] = {
    {"FeuilleAide", [] { return static_cast<QWidget *>(new FeuilleAide); }, "FeuilleAide",
     "Aide de la Chronalys pour CD4060", 11625, 5460},
    {"Schema", [] { return static_cast<QWidget *>(new Chronalys_CD4060_Schema); },
     "Chronalys_CD4060_Schema", "Visualisation du schéma", 13965, 3720},
};

INSTANTIATE_TEST_SUITE_P(Fenetres, FenetreSecondaire, testing::ValuesIn(lignesFenetre),
                         [](const testing::TestParamInfo<LigneFenetre> &info) {
                             return std::string(info.param.nom);
                         });

// ---------------------------------------------------------------------------------------------
// About

TEST(APropos, InformationBoxWithRevisionLineBreakAndCredit)
{
    BoitesInterceptees boites;
    const QString nomAvant = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Chronalys_Essai"));

    APropos_Afficher(nullptr);

    QCoreApplication::setApplicationName(nomAvant);
    ASSERT_EQ(boites.boites().size(), 1u);
    const Boite &boite = boites.boites().front();
    EXPECT_EQ(boite.icon, QMessageBox::Information);
    EXPECT_EQ(boite.title, QStringLiteral("Chronalys_Essai"));
    const QString entete = QStringLiteral("Rev 1.04\n\r");
    ASSERT_TRUE(boite.text.startsWith(entete)) << lisible(boite.text);
    const QString credit = boite.text.mid(entete.size());
    EXPECT_FALSE(credit.trimmed().isEmpty()) << "a credit line must follow";
    EXPECT_FALSE(credit.contains(QLatin1Char('\r')) || credit.contains(QLatin1Char('\n')))
        << "two lines in all: " << lisible(boite.text);
}

// ---------------------------------------------------------------------------------------------
// Schematic

// The reference drawing: the picture fitted into `taille`, on white.
QImage schemaDeReference(const QSize &taille)
{
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(":/pictures/schema.svg"));
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(taille)));
    return image;
}

int pixelsSombres(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

// Share of pixels whose grey level differs by more than a rounding's worth.
double partDifferente(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1.0;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 24 ? 1 : 0;
    return double(n) / (a.width() * a.height());
}

struct LigneEchelle {
    const char *nom;
    double echelle; // of the designed client size
};

void PrintTo(const LigneEchelle &ligne, std::ostream *os) { *os << ligne.nom; }

class SchemaDessin : public testing::TestWithParam<LigneEchelle> {};

TEST_P(SchemaDessin, PictureFillsTheClientAreaSharply)
{
    ASSERT_TRUE(QSvgRenderer(QStringLiteral(":/pictures/schema.svg")).isValid());
    Chronalys_CD4060_Schema fenetre;
    EXPECT_TRUE(fenetre.findChildren<QWidget *>().isEmpty()) << "the window has no controls";
    const QSize taille(qRound(twipsToPixels(13965) * GetParam().echelle),
                       qRound(twipsToPixels(3720) * GetParam().echelle));
    fenetre.resize(taille);
    fenetre.show();

    const QImage vue = fenetre.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);

    ASSERT_EQ(vue.size(), taille);
    const QImage reference = schemaDeReference(taille);
    EXPECT_GT(pixelsSombres(reference), taille.width() * taille.height() / 100)
        << "the reference itself must show a drawing";
    EXPECT_LT(partDifferente(vue, reference), 0.002);
}

const LigneEchelle lignesEchelle[] = {
    {"DesignedSize", 1.0},
    {"Enlarged", 2.0},
    {"Reduced", 0.75},
};

INSTANTIATE_TEST_SUITE_P(Echelles, SchemaDessin, testing::ValuesIn(lignesEchelle),
                         [](const testing::TestParamInfo<LigneEchelle> &info) {
                             return std::string(info.param.nom);
                         });

// What the main window's "Schéma" does with its pointer.
void VisuSchema(QPointer<Chronalys_CD4060_Schema> &schema)
{
    if (schema.isNull())
        schema = new Chronalys_CD4060_Schema;
    schema->show();
}

TEST(Schema, LoadedHiddenShownClosedAndRecreated)
{
    QPointer<Chronalys_CD4060_Schema> schema = new Chronalys_CD4060_Schema;
    ASSERT_FALSE(schema->isVisible());

    VisuSchema(schema);
    ASSERT_TRUE(schema->isVisible());
    VisuSchema(schema);
    EXPECT_TRUE(schema->isVisible()) << "a second Schéma leaves it shown";

    fermerParLaCroix(schema);
    ASSERT_TRUE(schema.isNull());

    VisuSchema(schema);
    ASSERT_FALSE(schema.isNull());
    EXPECT_TRUE(schema->isVisible());
    const QImage vue = schema->grab().toImage();
    EXPECT_LT(partDifferente(vue.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                             schemaDeReference(vue.size())),
              0.002);
    delete schema;
}

} // namespace
