// The slideshow, driven step by step through its hidden cmdAvanti, never by the timer.
#include "CardFixture.h"

#include "card/TfrmSlideshow_Automezzi.h"
#include "photo/PhotoFile.h"
#include "widgets/ArtworkImage.h"
#include "widgets/PhotoView.h"

#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

// The slideshow over the card, shown as cmdSlideshow shows it but without a nested loop.
struct Slideshow {
    explicit Slideshow(CardFixture& f) : window(&f.card)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    void step() { emit Gui::button(&window, "cmdAvanti")->clicked(); }
    QString counter() const { return Gui::label(&window, "lblPosizione")->text(); }
    QImage shown() const { return Gui::photoView(&window, "imgFoto")->picture(); }
    QImage start() const { return Gui::photoView(&window, "imgBianco")->picture(); }

    TfrmSlideshow_Automezzi window;
};

// A photo of one solid colour per position, told apart by its top-left pixel.
QColor colourOf(int position)
{
    return QColor::fromHsv(position * 40 % 360, 200, 200);
}

void storePhoto(CardFixture& f, int position)
{
    QImage photo(120, 80, QImage::Format_RGB32);
    photo.fill(colourOf(position));
    QVERIFY(PhotoFile::save(photo, f.photoPath(position)));
}

// 0 for the start picture, else the position whose photo is shown.
int shownPosition(const Slideshow& s, int positions)
{
    if (s.shown() == s.start())
        return 0;
    const QColor pixel = s.shown().pixelColor(60, 40);
    for (int p = 1; p <= positions; ++p) {
        const QColor expected = colourOf(p);
        if (qAbs(pixel.red() - expected.red()) < 12 && qAbs(pixel.green() - expected.green()) < 12 &&
            qAbs(pixel.blue() - expected.blue()) < 12)
            return p;
    }
    return -1;
}

} // namespace

class tst_GuiSlideshow : public QObject {
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void emptyArchiveEndsTheShow_data();
    void emptyArchiveEndsTheShow();
    void unreachableArchiveKeepsTrying();
    void clickEnds();
    void manyRecordsWithoutPhotos();
    void timerAndStartPicture();
};

void tst_GuiSlideshow::steps_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QList<int>>("photos");   // positions with a photo file
    QTest::addColumn<QList<int>>("shown");    // after each step: 0 the start picture
    QTest::addColumn<QList<int>>("counters"); // after each step

    QTest::newRow("three records") << 3 << QList<int>{1, 2, 3} << QList<int>{1, 2, 3, 3, 1, 2}
                                   << QList<int>{1, 2, 3, 0, 1, 2};
    QTest::newRow("one record") << 1 << QList<int>{1} << QList<int>{1, 1, 1, 1} << QList<int>{1, 0, 1, 0};
    QTest::newRow("missing photo shows the start picture")
        << 3 << QList<int>{1, 3} << QList<int>{1, 0, 3, 3, 1} << QList<int>{1, 2, 3, 0, 1};
}

void tst_GuiSlideshow::steps()
{
    QFETCH(int, records);
    QFETCH(QList<int>, photos);
    QFETCH(QList<int>, shown);
    QFETCH(QList<int>, counters);

    CardFixture f;
    f.writeVehicles(records);
    for (int position : photos)
        storePhoto(f, position);
    Slideshow s(f);
    QCOMPARE(s.counter(), QString());
    QCOMPARE(shownPosition(s, records), 0);
    for (int i = 0; i < shown.size(); ++i) {
        s.step();
        QCOMPARE(s.counter(), QString::number(counters[i]));
        QCOMPARE(shownPosition(s, records), shown[i]);
    }
    QVERIFY(s.window.isVisible());
    QVERIFY(f.takeMessages().isEmpty());
}

void tst_GuiSlideshow::emptyArchiveEndsTheShow_data()
{
    QTest::addColumn<int>("records");
    QTest::newRow("missing archive") << -1;
    QTest::newRow("empty archive") << 0;
}

void tst_GuiSlideshow::emptyArchiveEndsTheShow()
{
    QFETCH(int, records);

    CardFixture f;
    f.writeVehicles(records);
    Slideshow s(f);
    s.step();
    QCOMPARE(f.takeMessages(), QStringList{CardFixture::emptyArchive()});
    QVERIFY(!s.window.isVisible());
    QCOMPARE(s.counter(), QString());
    QVERIFY(!s.window.findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
    QVERIFY(QFileInfo::exists(f.archivePath()));
}

void tst_GuiSlideshow::unreachableArchiveKeepsTrying()
{
    CardFixture f;
    f.makeUnreachable(CardFixture::Failure::ArchiveIsFolder);
    Slideshow s(f);
    s.step();
    s.step();
    QCOMPARE(f.takeMessages(), (QStringList{CardFixture::accessFailure(), CardFixture::accessFailure()}));
    QVERIFY(s.window.isVisible());
    QVERIFY(s.window.findChild<QTimer*>(QStringLiteral("Timer"))->isActive());
}

void tst_GuiSlideshow::clickEnds()
{
    CardFixture f;
    f.writeVehicles(2);
    f.showStored(2);
    Slideshow s(f);
    s.step();
    QTest::mouseClick(Gui::photoView(&s.window, "imgFoto"), Qt::LeftButton);
    QVERIFY(!s.window.isVisible());
    QCOMPARE(f.positionText(), QStringLiteral("2"));
}

void tst_GuiSlideshow::manyRecordsWithoutPhotos()
{
    CardFixture f;
    f.writeVehicles(1000);
    // A photo file that is not a picture is shown as the start picture too.
    QVERIFY(Gui::writeFile(f.photoPath(500), "non una foto"));
    Slideshow s(f);
    for (int i = 1; i <= 1001; ++i) {
        s.step();
        QVERIFY(s.shown() == s.start());
    }
    QCOMPARE(s.counter(), QStringLiteral("0"));
}

void tst_GuiSlideshow::timerAndStartPicture()
{
    CardFixture f;
    Slideshow s(f);
    auto* timer = s.window.findChild<QTimer*>(QStringLiteral("Timer"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 6000);
    QCOMPARE(s.start().size(), QSize(685, 427));
    QCOMPARE(s.window.windowTitle(), QStringLiteral(" Slide Show Parco Automezzi"));
}

QTEST_MAIN(tst_GuiSlideshow)
#include "tst_gui_slideshow.moc"
