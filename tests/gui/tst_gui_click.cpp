// The one click behaviour of the pictures, links, photos and panels that act as buttons:
// which control a press and a release click, and that they stay out of the tab order.
#include "FakePlatform.h"

#include "app/AppWindows.h"
#include "widgets/ArtworkImage.h"
#include "widgets/PhotoView.h"
#include "widgets/ScreenPhoto.h"
#include "widgets/TextLink.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

namespace {

// A panel watched for clicks, holding one control of each kind side by side.
struct Panel {
    QWidget panel;
    ClickWatcher* watcher = new ClickWatcher(&panel);
    ArtworkImage* picture = new ArtworkImage(QStringLiteral("common"), QStringLiteral("imgBianco"), &panel);
    ArtworkImage* button = new ArtworkImage(QStringLiteral("common"), QStringLiteral("imgBianco"), &panel);
    PhotoView* photo = new PhotoView(&panel);
    TextLink* link = new TextLink(&panel, "lnkWeb", {10, 170}, QStringLiteral("collegamento"));

    Panel()
    {
        panel.resize(400, 220);
        picture->setGeometry(10, 10, 60, 60);
        button->setGeometry(90, 10, 60, 60);
        button->setClickable(true);
        photo->setGeometry(170, 10, 100, 100);
    }

    QWidget* control(const QString& name)
    {
        const std::map<QString, QWidget*> controls{{QStringLiteral("panel"), &panel},
                                                   {QStringLiteral("picture"), picture},
                                                   {QStringLiteral("button"), button},
                                                   {QStringLiteral("photo"), photo},
                                                   {QStringLiteral("link"), link}};
        return controls.at(name);
    }
    // The controls that report clicks, by name.
    std::map<QString, QAbstractButton*> clickers() const
    {
        return {{QStringLiteral("panel"), watcher},
                {QStringLiteral("button"), button},
                {QStringLiteral("photo"), photo},
                {QStringLiteral("link"), link}};
    }
};

bool paints(QWidget* control, const QColor& colour)
{
    const QImage image = control->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb())
                return true;
        }
    }
    return false;
}

} // namespace

class tst_GuiClick : public QObject {
    Q_OBJECT
private slots:
    void pressAndRelease_data();
    void pressAndRelease();
    void accessiblePress();
    void linkColourWhilePressed_data();
    void linkColourWhilePressed();
    void noFocus();
};

void tst_GuiClick::pressAndRelease_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("letGoOnIt");  // false: let go beside the control
    QTest::addColumn<QString>("clicked"); // empty: none

    const struct {
        const char *name, *pressed;
        Qt::MouseButton button;
        bool letGoOnIt;
        const char* clicked;
    } rows[] = {
        {"picture button", "button", Qt::LeftButton, true, "button"},
        {"photo", "photo", Qt::LeftButton, true, "photo"},
        {"link", "link", Qt::LeftButton, true, "link"},
        {"panel", "panel", Qt::LeftButton, true, "panel"},
        {"a plain picture is the panel's", "picture", Qt::LeftButton, true, "panel"},
        {"picture button let go beside it", "button", Qt::LeftButton, false, ""},
        {"link let go beside it", "link", Qt::LeftButton, false, ""},
        // The release beside the photo falls to the panel, which saw no press.
        {"photo let go beside it", "photo", Qt::LeftButton, false, ""},
        {"panel let go beside it", "panel", Qt::LeftButton, false, ""},
        {"right button on a picture button", "button", Qt::RightButton, true, ""},
        {"right button on the panel", "panel", Qt::RightButton, true, ""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.pressed) << row.button << row.letGoOnIt
                                << QString::fromLatin1(row.clicked);
}

void tst_GuiClick::pressAndRelease()
{
    QFETCH(QString, pressed);
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, letGoOnIt);
    QFETCH(QString, clicked);

    Panel p;
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    std::map<QString, std::unique_ptr<QSignalSpy>> clicks, presses, releases;
    for (const auto& [name, control] : p.clickers()) {
        clicks[name] = std::make_unique<QSignalSpy>(control, &QAbstractButton::clicked);
        presses[name] = std::make_unique<QSignalSpy>(control, &QAbstractButton::pressed);
        releases[name] = std::make_unique<QSignalSpy>(control, &QAbstractButton::released);
    }

    // The release goes where the press went, as the mouse grab sends it.
    QWidget* target = p.control(pressed);
    QTest::mousePress(target, mouseButton, {}, QPoint(3, 3));
    QTest::mouseRelease(target, mouseButton, {}, letGoOnIt ? QPoint(5, 5) : QPoint(-5, -5));

    for (const auto& [name, control] : p.clickers()) {
        QVERIFY2(clicks[name]->count() == (name == clicked ? 1 : 0), qPrintable(name));
        // Every press ends in a release, on the control or beside it.
        QVERIFY2(presses[name]->count() == releases[name]->count(), qPrintable(name));
        QVERIFY2(!control->isDown(), qPrintable(name));
    }
}

// What is clickable is a button to the accessibility tools too, and their press clicks it.
void tst_GuiClick::accessiblePress()
{
    Panel p;
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    for (QAbstractButton* control : {static_cast<QAbstractButton*>(p.button), static_cast<QAbstractButton*>(p.link)}) {
        QSignalSpy clicks(control, &QAbstractButton::clicked);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible && accessible->actionInterface());
        QCOMPARE(accessible->role(), QAccessible::Button);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicks.count(), 1);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(p.link)->text(QAccessible::Name), QStringLiteral("collegamento"));
}

void tst_GuiClick::linkColourWhilePressed_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("letGoOnIt");
    QTest::newRow("link") << "link" << true;
    QTest::newRow("link let go beside it") << "link" << false;
    QTest::newRow("its icon") << "button" << true;
    QTest::newRow("its icon let go beside it") << "button" << false;
}

// A link of its own colour turns orange while held, through itself or its icon, and
// comes back to its own colour, not to the usual blue.
void tst_GuiClick::linkColourWhilePressed()
{
    QFETCH(QString, pressed);
    QFETCH(bool, letGoOnIt);

    Panel p;
    const QColor own(0xDC, 0x14, 0x3C);
    p.link->setColour(own);
    p.link->bindIcon(p.button);
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));

    QWidget* target = p.control(pressed);
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(p.link->colour(), TextLink::Pressed);
    QVERIFY(paints(p.link, TextLink::Pressed));
    QTest::mouseRelease(target, Qt::LeftButton, {}, letGoOnIt ? QPoint(5, 5) : QPoint(-5, -5));
    QCOMPARE(p.link->colour(), own);
    QVERIFY(paints(p.link, own));
    QVERIFY(!paints(p.link, TextLink::Pressed));
}

// Pictures, links and photos take no focus, as before they were buttons: the tab order
// and the focus ring of every window stay those of its edit boxes and push buttons.
void tst_GuiClick::noFocus()
{
    FakePlatform platform;
    AppWindows windows;
    QVERIFY(!windows.instances().isEmpty());
    for (const QWidget* window : windows.instances()) {
        const QList<PaintedButton*> buttons = window->findChildren<PaintedButton*>();
        for (const PaintedButton* button : buttons)
            QVERIFY2(button->focusPolicy() == Qt::NoFocus,
                     qPrintable(window->objectName() + QLatin1Char('/') + button->objectName()));
    }
}

QTEST_MAIN(tst_GuiClick)
#include "tst_gui_click.moc"
