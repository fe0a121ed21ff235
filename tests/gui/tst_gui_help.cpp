// The help, information and splash windows: the topic each help button shows, the
// links and their colours, and a fresh window at every opening.
#include "CardFixture.h"

#include "app/AppWindows.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "help/HelpTopics.h"
#include "help/Maker.h"
#include "help/TfrmGuida.h"
#include "output/TfrmExpAutoparco.h"
#include "widgets/TextLink.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

QString shownText(const HelpTopic& topic)
{
    return QString(topic.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Clicks the button of window and runs act on the modal window it opens.
QPointer<QWidget> openFrom(QWidget* window, const char* button, const std::function<void(QWidget*)>& act)
{
    QPointer<QWidget> opened;
    Gui::whileModal([&](QWidget* modal) {
        opened = modal;
        QVERIFY(modal);
        act(modal);
    });
    Gui::click(window, button);
    return opened;
}

} // namespace

class tst_GuiHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startupOrder();
    void topicOfEachButton_data();
    void topicOfEachButton();
    void topicIsReadOnly();
    void links_data();
    void links();
    void linkWithoutProgram_data();
    void linkWithoutProgram();
    void informationShowsVersionAndFolder();
    void linkColours_data();
    void linkColours();
    void freshWindowEachOpening_data();
    void freshWindowEachOpening();
    void splashCentredOnLauncher();
};

void tst_GuiHelp::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_GuiHelp::startupOrder()
{
    FakePlatform platform;
    AppWindows windows;
    QStringList names;
    for (const QWidget* window : windows.instances())
        names.append(window->objectName());
    const QStringList order{QStringLiteral("frmAvvio"),     QStringLiteral("frmGuida"),
                            QStringLiteral("frmInfo"),      QStringLiteral("frmSplash"),
                            QStringLiteral("frmAutoparco"), QStringLiteral("frmExpAutoparco")};
    int last = -1;
    for (const QString& name : order) {
        const int at = names.indexOf(name);
        QVERIFY2(at > last, qPrintable(name));
        last = at;
    }
    for (const QString& hidden : {QStringLiteral("frmGuida"), QStringLiteral("frmInfo"), QStringLiteral("frmSplash"),
                                  QStringLiteral("frmExpAutoparco")})
        QVERIFY(!windows.instances().at(names.indexOf(hidden))->isVisible());
}

void tst_GuiHelp::topicOfEachButton_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("launcher") << "launcher"
                              << "Uno sguardo a Corvanta" << shownText(HelpTopics::launcher());
    QTest::newRow("card") << "card"
                          << "App Parco Automezzi" << shownText(HelpTopics::card());
    QTest::newRow("export") << "export"
                            << "Esportazione archivio veicoli in Microsoft Excel"
                            << shownText(HelpTopics::exportWindow());
}

void tst_GuiHelp::topicOfEachButton()
{
    QFETCH(QString, opener);
    QFETCH(QString, title);
    QFETCH(QString, text);

    CardFixture f;
    TfrmAvvio launcher;
    QString shownTitle;
    QString shownBody;
    const auto readHelp = [&](QWidget* help) {
        QVERIFY(qobject_cast<TfrmGuida*>(help));
        QCOMPARE(help->parentWidget()->window()->objectName().isEmpty(), false);
        shownTitle = Gui::label(help, "lblTitolo")->text();
        shownBody = help->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
    };
    if (opener == QLatin1String("launcher")) {
        openFrom(&launcher, "imgGuida", readHelp);
    } else if (opener == QLatin1String("card")) {
        openFrom(&f.card, "cmdGuida", readHelp);
    } else {
        openFrom(&f.card, "cmdEsporta", [&](QWidget* exportWindow) { openFrom(exportWindow, "cmdGuida", readHelp); });
    }
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownBody, text);
    QCOMPARE(f.platform.messages.size(), 0);
}

void tst_GuiHelp::topicIsReadOnly()
{
    FakePlatform platform;
    TfrmGuida help;
    help.setTopic(HelpTopics::launcher());
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    auto* txtGuida = help.findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"));
    QVERIFY(txtGuida->isReadOnly());
    txtGuida->setFocus();
    QTest::keyClicks(txtGuida, QStringLiteral("xyz"));
    QTest::keyClick(txtGuida, Qt::Key_Delete);
    QCOMPARE(txtGuida->toPlainText(), shownText(HelpTopics::launcher()));
    // The launcher's long topic scrolls inside the box.
    QVERIFY(txtGuida->verticalScrollBar()->maximum() > 0);
}

void tst_GuiHelp::links_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");

    for (const char* control : {"lnkWeb", "imgPDF"})
        QTest::addRow("help %s", control) << "frmGuida" << control;
    for (const char* control : {"lnkWeb", "imgEmail"})
        QTest::addRow("information %s", control) << "frmInfo" << control;
    for (const char* control : {"lnkWeb", "imgWeb"})
        QTest::addRow("splash %s", control) << "frmSplash" << control;
}

void tst_GuiHelp::links()
{
    QFETCH(QString, window);
    QFETCH(QString, control);

    // The guide is missing from the fake program folder: nothing is shown for it.
    FakePlatform platform;
    std::unique_ptr<QDialog> shown;
    QString expected;
    if (window == QLatin1String("frmGuida")) {
        shown = std::make_unique<TfrmGuida>();
        expected = QLatin1Char('"') + platform.folder() + QStringLiteral("Guida.pdf\"");
    } else if (window == QLatin1String("frmInfo")) {
        shown = std::make_unique<TfrmInfo>();
        expected = QStringLiteral("\"mailto:") + Maker::emailAddress() +
                   QStringLiteral("?subject=Software Corvanta&body=Salve, desidererei avere le seguenti "
                                  "informazioni sul software in oggetto:\"");
    } else {
        shown = std::make_unique<TfrmSplash>();
        expected = Maker::webAddress();
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    QWidget* target = shown->findChild<QWidget*>(control);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());

    QCOMPARE(platform.shellOpened, QStringList{expected});
    QVERIFY(shown->isVisible());
    QCOMPARE(platform.messages.size(), 0);
}

void tst_GuiHelp::linkWithoutProgram_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("named");
    QTest::newRow("help's guide") << "frmGuida"
                                  << "Guida.pdf";
    QTest::newRow("information's mail") << "frmInfo"
                                        << "info@corvanta.it";
    QTest::newRow("splash's site") << "frmSplash"
                                   << "http://www.corvanta.it";
}

// Where the desktop has no program for a link, the clerk is told so.
void tst_GuiHelp::linkWithoutProgram()
{
    QFETCH(QString, window);
    QFETCH(QString, named);
    FakePlatform platform;
    platform.shellOpens = false;
    std::unique_ptr<QDialog> shown;
    if (window == QLatin1String("frmGuida"))
        shown = std::make_unique<TfrmGuida>();
    else if (window == QLatin1String("frmInfo"))
        shown = std::make_unique<TfrmInfo>();
    else
        shown = std::make_unique<TfrmSplash>();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QWidget* link = shown->findChild<QWidget*>(QStringLiteral("lnkWeb"));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().kind, Platform::MessageKind::Information);
    QCOMPARE(platform.messages.first().text,
             QStringLiteral("Attenzione: il sistema non ha un programma per aprire «%1».").arg(named));
}

void tst_GuiHelp::informationShowsVersionAndFolder()
{
    FakePlatform platform;
    TfrmInfo info;
    info.show();
    QCOMPARE(Gui::label(&info, "lblVersione")->text(), QStringLiteral("Corvanta, versione ") + Maker::version());
    QLineEdit* folder = Gui::editBox(&info, "txtCartella");
    QCOMPARE(folder->text(), QDir::toNativeSeparators(platform.folder()));
    QVERIFY(folder->isReadOnly());
}

void tst_GuiHelp::linkColours_data()
{
    links_data();
}

void tst_GuiHelp::linkColours()
{
    QFETCH(QString, window);
    QFETCH(QString, control);

    FakePlatform platform;
    std::unique_ptr<QDialog> shown;
    if (window == QLatin1String("frmGuida"))
        shown = std::make_unique<TfrmGuida>();
    else if (window == QLatin1String("frmInfo"))
        shown = std::make_unique<TfrmInfo>();
    else
        shown = std::make_unique<TfrmSplash>();
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const auto* lnkWeb = shown->findChild<TextLink*>(QStringLiteral("lnkWeb"));
    QWidget* target = shown->findChild<QWidget*>(control);
    const QColor orange(0xFF, 0xA5, 0x00);
    const QColor darkBlue(0x00, 0x00, 0x8B);
    QVERIFY(lnkWeb->font().underline());
    QCOMPARE(lnkWeb->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(lnkWeb->colour(), darkBlue);

    QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
    QCOMPARE(lnkWeb->colour(), orange);
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().center());
    QCOMPARE(lnkWeb->colour(), darkBlue);
    // Released away from the control: no click, but the colour comes back.
    QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(lnkWeb->colour(), darkBlue);
    QCOMPARE(platform.shellOpened.size(), 1);
}

void tst_GuiHelp::freshWindowEachOpening_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");

    QTest::newRow("information") << "imgInfo"
                                 << "frmInfo";
    QTest::newRow("help") << "imgGuida"
                          << "frmGuida";
    QTest::newRow("splash") << "imgCrediti"
                            << "frmSplash";
}

void tst_GuiHelp::freshWindowEachOpening()
{
    QFETCH(QString, button);
    QFETCH(QString, window);

    FakePlatform platform;
    TfrmAvvio launcher;
    launcher.show();
    const QByteArray name = button.toLatin1();
    // The first opening is left with its link pressed; the second starts from the design.
    const QPointer<QWidget> first = openFrom(&launcher, name.constData(), [&window](QWidget* modal) {
        QCOMPARE(modal->objectName(), window);
        QVERIFY(modal->isModal());
        auto* link = modal->findChild<TextLink*>(QStringLiteral("lnkWeb"));
        QTest::mousePress(link, Qt::LeftButton);
        QCOMPARE(link->colour(), TextLink::Pressed);
        modal->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
    });
    QVERIFY(first.isNull());
    const QPointer<QWidget> second = openFrom(&launcher, name.constData(), [](QWidget* modal) {
        QCOMPARE(modal->findChild<TextLink*>(QStringLiteral("lnkWeb"))->colour(), TextLink::Normal);
    });
    QVERIFY(second.isNull());
    QVERIFY(launcher.isVisible());
}

void tst_GuiHelp::splashCentredOnLauncher()
{
    FakePlatform platform;
    TfrmAvvio launcher;
    launcher.showNormal();
    launcher.setGeometry(100, 80, 1000, 720);
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    QPoint centre;
    openFrom(&launcher, "imgCrediti", [&centre](QWidget* splash) { centre = splash->frameGeometry().center(); });
    QVERIFY2((centre - launcher.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

QTEST_MAIN(tst_GuiHelp)
#include "tst_gui_help.moc"
