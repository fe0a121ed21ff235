// The launcher, opening and closing the card, ending the program, what the windows show
// under the mouse, and the program's icon.
#include "CardFixture.h"

#include "app/AppWindows.h"
#include "app/Startup.h"
#include "app/TfrmAvvio.h"
#include "archive/VehicleArchive.h"
#include "card/TfrmAutoparco.h"
#include "help/Maker.h"
#include "widgets/ArtworkImage.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// The launcher windows on screen.
QList<QWidget*> visibleLaunchers()
{
    QList<QWidget*> shown;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->objectName() == QLatin1String("frmAvvio"))
            shown.append(window);
    }
    return shown;
}

// Runs the event loop until something ends it; true when trigger ended it.
bool endsEventLoop(const std::function<void()>& trigger)
{
    bool timedOut = false;
    QTimer::singleShot(0, trigger);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, &safety, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    safety.start(10000);
    const int code = QCoreApplication::exec();
    return code == 0 && !timedOut;
}

} // namespace

class tst_GuiLauncher : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensCard_data();
    void opensCard();
    void closingCardReturnsToLauncher_data();
    void closingCardReturnsToLauncher();
    void endsProgram_data();
    void endsProgram();
    void opensMakerSite();
    void pictureButtons_data();
    void pictureButtons();
    void newerPictureTooltips_data();
    void newerPictureTooltips();
    void everyWindowFrame();
    void informationLine_data();
    void informationLine();
    void applicationIcon_data();
    void applicationIcon();
};

void tst_GuiLauncher::initTestCase()
{
    // As in the program: hidden windows must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiLauncher::opensCard_data()
{
    QTest::addColumn<QString>("picture");

    QTest::newRow("large picture") << "imgAutoparco";
    QTest::newRow("caption button") << "btnAutoparco";
}

void tst_GuiLauncher::opensCard()
{
    QFETCH(QString, picture);

    FakePlatform platform;
    AppWindows windows;
    windows.showLauncher();
    QVERIFY(QTest::qWaitForWindowExposed(windows.frmAvvio()));
    QVERIFY(!windows.frmAutoparco()->isVisible());

    Gui::click(windows.frmAvvio(), picture.toLatin1().constData());

    TfrmAutoparco* card = windows.frmAutoparco();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    QVERIFY(card->isMaximized());
    QVERIFY(!windows.frmAvvio()->isVisible());
    Gui::verifyNewAndEmpty(card);
    QCOMPARE(Gui::label(card, "panInfo")->text(), QStringLiteral("Pronto per registrare una nuova scheda..."));
}

void tst_GuiLauncher::closingCardReturnsToLauncher_data()
{
    QTest::addColumn<bool>("exitButton");

    QTest::newRow("cmdEsci") << true;
    QTest::newRow("close box") << false;
}

void tst_GuiLauncher::closingCardReturnsToLauncher()
{
    QFETCH(bool, exitButton);

    FakePlatform platform;
    TSchedaVeicolo record = CardFixture::vehicle(1);
    record.File01 = QStringLiteral("libretto.pdf");
    record.Desc01 = QStringLiteral("Libretto");
    {
        VehicleArchive archive(platform.folder());
        archive.append(record);
        archive.close();
    }
    const QString photo = platform.folder() + QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg");
    QVERIFY(QDir().mkpath(QFileInfo(photo).path()));
    QVERIFY(Gui::testPicture({120, 90}).save(photo, "JPG"));

    AppWindows windows;
    windows.showLauncher();
    TfrmAvvio* launcher = windows.frmAvvio();
    TfrmAutoparco* card = windows.frmAutoparco();
    Gui::click(launcher, "imgAutoparco");
    Gui::click(card, "cmdPrimo");
    QCOMPARE(Gui::label(card, "lblPosizione")->text(), QStringLiteral("1"));
    QCOMPARE(Gui::label(card, "lblFile01")->text(), QStringLiteral("libretto.pdf"));
    QTest::keyClicks(Gui::editBox(card, "txtNote"), QStringLiteral(" modificata"));

    // The typed note is offered for saving; No closes without saving.
    platform.queueAnswer(Platform::Answer::No);
    if (exitButton)
        Gui::click(card, "cmdEsci");
    else
        card->close();

    QVERIFY(!card->isVisible());
    QCOMPARE(visibleLaunchers(), QList<QWidget*>{launcher});

    // Whatever it showed when closed, the card opens new.
    Gui::click(launcher, "btnAutoparco");
    QVERIFY(card->isVisible());
    QVERIFY(!launcher->isVisible());
    Gui::verifyNewAndEmpty(card);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().kind, Platform::MessageKind::Question);
}

void tst_GuiLauncher::endsProgram_data()
{
    QTest::addColumn<bool>("exitPicture");

    QTest::newRow("imgEsci") << true;
    QTest::newRow("close box") << false;
}

void tst_GuiLauncher::endsProgram()
{
    QFETCH(bool, exitPicture);

    FakePlatform platform;
    AppWindows windows;
    windows.showLauncher();
    TfrmAvvio* launcher = windows.frmAvvio();
    QVERIFY(QTest::qWaitForWindowExposed(launcher));

    QVERIFY(endsEventLoop([launcher, exitPicture] {
        if (exitPicture)
            Gui::click(launcher, "imgEsci");
        else
            launcher->close();
    }));
}

void tst_GuiLauncher::opensMakerSite()
{
    FakePlatform platform;
    AppWindows windows;
    windows.showLauncher();

    Gui::click(windows.frmAvvio(), "imgSito");

    QCOMPARE(platform.shellOpened, QStringList{Maker::webAddress()});
    QVERIFY(windows.frmAvvio()->isVisible());
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiLauncher::pictureButtons_data()
{
    QTest::addColumn<bool>("card");

    QTest::newRow("launcher") << false;
    QTest::newRow("card") << true;
}

void tst_GuiLauncher::pictureButtons()
{
    QFETCH(bool, card);

    FakePlatform platform;
    AppWindows windows;
    const QWidget* window = card ? static_cast<QWidget*>(windows.frmAutoparco()) : windows.frmAvvio();
    const QList<ArtworkImage*> pictures = window->findChildren<ArtworkImage*>();
    QVERIFY(!pictures.isEmpty());
    for (const ArtworkImage* picture : pictures) {
        const QByteArray name = picture->objectName().toLatin1();
        QVERIFY2(picture->hasArtwork(), name.constData());
        if (picture->isClickable())
            QVERIFY2(picture->cursor().shape() == Qt::PointingHandCursor, name.constData());
    }
    // The pictures the user clicks are picture buttons.
    const QStringList clicked =
        card ? QStringList{QStringLiteral("cmdPrimo"),     QStringLiteral("cmdIndietro"),
                           QStringLiteral("cmdAvanti"),    QStringLiteral("cmdUltimo"),
                           QStringLiteral("cmdSalva"),     QStringLiteral("cmdNuovo"),
                           QStringLiteral("cmdDuplica"),   QStringLiteral("btnCaricaFoto"),
                           QStringLiteral("btnSalvaFoto"), QStringLiteral("btnCancFoto"),
                           QStringLiteral("btnZoomFoto"),  QStringLiteral("cmdEsci"),
                           QStringLiteral("cmdEsporta"),   QStringLiteral("cmdGuida")}
             : QStringList{QStringLiteral("imgAutoparco"), QStringLiteral("btnAutoparco"), QStringLiteral("imgSito"),
                           QStringLiteral("imgEsci"),      QStringLiteral("imgInfo"),      QStringLiteral("imgGuida"),
                           QStringLiteral("imgCrediti")};
    for (const QString& name : clicked) {
        const ArtworkImage* picture = window->findChild<ArtworkImage*>(name);
        QVERIFY2(picture && picture->isClickable(), qPrintable(name));
    }
}

void tst_GuiLauncher::newerPictureTooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");

    QTest::newRow("import") << QStringLiteral("imgImporta") << QStringLiteral("Importa veicoli da un file CSV");
    QTest::newRow("analysis") << QStringLiteral("imgAnalisiCosti") << QStringLiteral("Analisi dei costi del parco");
    QTest::newRow("backups") << QStringLiteral("imgCopieSicurezza") << QStringLiteral("Copie di sicurezza");
}

void tst_GuiLauncher::newerPictureTooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);

    FakePlatform platform;
    AppWindows windows;
    const ArtworkImage* picture = windows.frmAvvio()->findChild<ArtworkImage*>(name);
    QVERIFY(picture);
    QCOMPARE(picture->toolTip(), tip);
}

// Every start-up window is built on the frame, and none shows an empty box where its
// artwork should be.
void tst_GuiLauncher::everyWindowFrame()
{
    FakePlatform platform;
    AppWindows windows;
    QVERIFY(!windows.instances().isEmpty());
    for (const QWidget* window : windows.instances()) {
        const QString name = window->objectName();
        QVERIFY2(name.startsWith(QLatin1String("frm")), window->metaObject()->className());
        QCOMPARE(QLatin1String(window->metaObject()->className()), QStringLiteral("T") + name);
        QVERIFY2(window->windowTitle().startsWith(QLatin1Char(' ')), qPrintable(name));
        QVERIFY2(window->findChild<QWidget*>(QStringLiteral("panContainer")), qPrintable(name));
        const QList<ArtworkImage*> pictures = window->findChildren<ArtworkImage*>();
        for (const ArtworkImage* picture : pictures)
            QVERIFY2(picture->hasArtwork(), qPrintable(name + QLatin1Char('/') + picture->objectName()));
    }
}

void tst_GuiLauncher::informationLine_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then"); // empty: stays on first
    QTest::addColumn<QString>("text");

    const char* const save = "Salva la scheda in archivio.";
    const char* const zoom = "Visualizza la foto nelle sue dimensioni reali.";
    const struct {
        const char *name, *first, *then, *text;
    } rows[] = {
        {"button", "cmdSalva", "", save},
        {"photo button", "btnZoomFoto", "", zoom},
        {"button to button", "cmdSalva", "btnZoomFoto", zoom},
        {"button to edit box", "cmdSalva", "txtTipo", save},
        {"button to background", "cmdSalva", "shpSfondo", ""},
        {"photo button to details background", "btnZoomFoto", "bkgDetails", ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.first) << QString::fromLatin1(row.then)
                                << QString::fromLatin1(row.text);
}

void tst_GuiLauncher::informationLine()
{
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(QString, text);

    // The card must not appear under the pointer left by the previous case.
    QCursor::setPos(-100, -100);
    CardFixture f;
    const QLabel* panInfo = Gui::label(&f.card, "panInfo");
    QCOMPARE(panInfo->text(), QStringLiteral("Pronto per registrare una nuova scheda..."));
    // Backgrounds are hovered near their corner, clear of the controls on top of them.
    auto hover = [&f](const QString& name) {
        QWidget* target = f.card.findChild<QWidget*>(name);
        QVERIFY2(target, qPrintable(name));
        const bool button = qobject_cast<ArtworkImage*>(target) != nullptr;
        QTest::mouseMove(target, button ? target->rect().center() : QPoint(2, 2));
    };

    hover(first);
    if (!then.isEmpty())
        hover(then);

    QCOMPARE(panInfo->text(), text);
}

// The icon must come out of the resource as a picture at the sizes desktops ask for: a
// missing resource or an SVG that does not parse gives an empty icon, and Qt shows none.
void tst_GuiLauncher::applicationIcon_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("menu") << 16;
    QTest::newRow("title bar") << 32;
    QTest::newRow("task switcher") << 48;
    QTest::newRow("large") << 256;
}

void tst_GuiLauncher::applicationIcon()
{
    QFETCH(int, size);

    const QImage picture = ::applicationIcon().pixmap(size, size).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    // The rounded tile covers the middle, and its corners are clear.
    QCOMPARE(qAlpha(picture.pixel(size / 2, size / 2)), 255);
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
}

QTEST_MAIN(tst_GuiLauncher)
#include "tst_gui_launcher.moc"
