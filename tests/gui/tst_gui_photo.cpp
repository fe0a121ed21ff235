// The card's photo: loading, exporting, removing, storing with the card, and the zoom window.
#include "CardFixture.h"

#include "card/TfrmZoom.h"
#include "widgets/PhotoView.h"
#include "widgets/Placeholder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

// Nothing of the program folder is written before Save.
void verifyNothingStored(const CardFixture& f)
{
    QVERIFY(!QFileInfo::exists(f.archivePath()));
    QVERIFY(!QFileInfo::exists(f.platform.folder() + QStringLiteral("Autoparco")));
}

void fillRequired(CardFixture& f)
{
    f.type("txtTipo", QStringLiteral("Autovettura"));
    f.type("txtMarca", QStringLiteral("Lancia"));
    f.type("txtModello", QStringLiteral("Ypsilon"));
    f.type("txtTarga", QStringLiteral("GH789IJ"));
}

} // namespace

class tst_GuiPhoto : public QObject {
    Q_OBJECT

private slots:
    void loadPhoto_data();
    void loadPhoto();
    void exportPhoto_data();
    void exportPhoto();
    void removePhoto();
    void bitmapStoredAsJpeg();
    void missingPhotoFile();
    void displayRule_data();
    void displayRule();
    void zoomWindow_data();
    void zoomWindow();
};

void tst_GuiPhoto::loadPhoto_data()
{
    QTest::addColumn<QString>("choice"); // jpeg, bitmap, corrupt or cancel
    QTest::addColumn<QString>("shown");  // bitmap, first or placeholder

    QTest::newRow("jpeg") << QStringLiteral("jpeg") << QStringLiteral("jpeg");
    QTest::newRow("bitmap") << QStringLiteral("bitmap") << QStringLiteral("bitmap");
    QTest::newRow("cancel keeps the picture") << QStringLiteral("cancel") << QStringLiteral("first");
    QTest::newRow("corrupt file") << QStringLiteral("corrupt") << QStringLiteral("placeholder");
}

void tst_GuiPhoto::loadPhoto()
{
    QFETCH(QString, choice);
    QFETCH(QString, shown);

    CardFixture f;
    const QImage first = Gui::testPicture({60, 40});
    const QImage bitmap = Gui::testPicture({150, 90});
    f.loadPhoto(f.pictureFile(QStringLiteral("prima.bmp"), first, "BMP"));
    QCOMPARE(Gui::rgb(f.imgFoto()->picture()), first);
    f.platform.dialogs.clear();

    QString chosen; // stays empty to cancel
    if (choice == QLatin1String("jpeg")) {
        chosen = f.pictureFile(QStringLiteral("furgone.jpeg"), Gui::testPicture({120, 80}), "JPG");
    } else if (choice == QLatin1String("bitmap")) {
        chosen = f.pictureFile(QStringLiteral("furgone.bmp"), bitmap, "BMP");
    } else if (choice == QLatin1String("corrupt")) {
        chosen = f.platform.folder() + QStringLiteral("immagini/rotta.jpg");
        QVERIFY(Gui::writeFile(chosen, QByteArray("\xFF\xD8\xFF\xE0 non una foto")));
    }
    f.loadPhoto(chosen);

    QCOMPARE(f.platform.dialogs.size(), 1);
    const FakePlatform::ShownDialog dialog = f.platform.dialogs.first();
    QVERIFY(!dialog.save);
    QCOMPARE(dialog.options.title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    QCOMPARE(dialog.options.filter,
             QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Immagine Bitmap (*.bmp)|*.bmp"));

    const QImage picture = f.imgFoto()->picture();
    if (shown == QLatin1String("jpeg"))
        QCOMPARE(picture.size(), QSize(120, 80));
    else if (shown == QLatin1String("bitmap"))
        QCOMPARE(Gui::rgb(picture), bitmap);
    else if (shown == QLatin1String("first"))
        QCOMPARE(Gui::rgb(picture), first);
    else
        QCOMPARE(picture, placeholderPicture());
    QCOMPARE(f.takeMessages(), QStringList());
    verifyNothingStored(f);
}

void tst_GuiPhoto::exportPhoto_data()
{
    QTest::addColumn<QString>("target"); // relative to the program folder; empty cancels
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("placeholderAfter");

    QTest::newRow("new folder") << "esportate/Foto.jpg" << true << false;
    QTest::newRow("cancel") << QString() << false << false;
    QTest::newRow("folder is a file") << "file.txt/Foto.jpg" << false << true;
}

void tst_GuiPhoto::exportPhoto()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    QFETCH(bool, placeholderAfter);

    CardFixture f;
    QVERIFY(Gui::writeFile(f.platform.folder() + QStringLiteral("file.txt"), "un file"));
    const QImage picture = Gui::testPicture({90, 70});
    f.loadPhoto(f.pictureFile(QStringLiteral("foto.bmp"), picture, "BMP"));
    f.platform.dialogs.clear();
    const QString path = target.isEmpty() ? QString() : f.platform.folder() + target;

    f.platform.queueFileName(path);
    f.click("btnSalvaFoto");

    QCOMPARE(f.platform.dialogs.size(), 1);
    const FakePlatform::ShownDialog dialog = f.platform.dialogs.first();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.options.title, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    QCOMPARE(dialog.options.filter, QStringLiteral("File Jpeg (*.jpg)|*.jpg"));
    QCOMPARE(dialog.options.presetName, QStringLiteral("Foto.jpg"));
    QCOMPARE(dialog.options.defaultExtension, QStringLiteral("jpg"));
    QVERIFY(dialog.options.confirmOverwrite);

    if (written) {
        QVERIFY(Gui::readFile(path).startsWith("\xFF\xD8"));
        QCOMPARE(QImage(path).size(), picture.size());
    } else if (!path.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
    }
    if (placeholderAfter)
        QCOMPARE(f.imgFoto()->picture(), placeholderPicture());
    else
        QCOMPARE(Gui::rgb(f.imgFoto()->picture()), picture);
    QCOMPARE(f.takeMessages(), QStringList());
    verifyNothingStored(f);
}

void tst_GuiPhoto::removePhoto()
{
    CardFixture f;
    f.writeVehicles(2);
    QVERIFY(QDir().mkpath(QFileInfo(f.photoPath(2)).path()));
    QVERIFY(Gui::testPicture({100, 80}).save(f.photoPath(2), "JPG"));
    const QByteArray photo = Gui::readFile(f.photoPath(2));
    f.showStored(2);
    QCOMPARE(f.imgFoto()->picture().size(), QSize(100, 80));

    f.click("btnCancFoto");

    QCOMPARE(f.imgFoto()->picture(), placeholderPicture());
    QCOMPARE(Gui::readFile(f.photoPath(2)), photo);
    QCOMPARE(f.takeMessages(), QStringList());
}

void tst_GuiPhoto::bitmapStoredAsJpeg()
{
    CardFixture f;
    f.writeVehicles(2);
    fillRequired(f);
    f.loadPhoto(f.pictureFile(QStringLiteral("furgone.bmp"), Gui::testPicture({321, 123}), "BMP"));

    f.click("cmdSalva");

    QCOMPARE(f.positionText(), QStringLiteral("3"));
    QVERIFY(Gui::readFile(f.photoPath(3)).startsWith("\xFF\xD8"));
    QCOMPARE(QImage(f.photoPath(3)).size(), QSize(321, 123));
}

void tst_GuiPhoto::missingPhotoFile()
{
    CardFixture f;
    f.writeVehicles(2);
    QVERIFY(QDir().mkpath(QFileInfo(f.photoPath(1)).path()));
    QVERIFY(Gui::testPicture({100, 80}).save(f.photoPath(1), "JPG"));
    f.click("cmdPrimo");
    QCOMPARE(f.imgFoto()->picture().size(), QSize(100, 80));

    f.click("cmdAvanti");

    QCOMPARE(f.positionText(), QStringLiteral("2"));
    QCOMPARE(f.imgFoto()->picture(), placeholderPicture());
    QCOMPARE(f.takeMessages(), QStringList());

    f.click("cmdSalva");

    QVERIFY(Gui::readFile(f.photoPath(2)).startsWith("\xFF\xD8"));
    QCOMPARE(QImage(f.photoPath(2)).size(), placeholderPicture().size());
}

void tst_GuiPhoto::displayRule_data()
{
    QTest::addColumn<bool>("zoom");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn");

    // The card's box is 308 x 173.
    QTest::newRow("card, small") << false << QSize(100, 51) << QRect(104, 61, 100, 51);
    QTest::newRow("card, exact fit") << false << QSize(308, 173) << QRect(0, 0, 308, 173);
    QTest::newRow("card, wide") << false << QSize(616, 102) << QRect(0, 61, 308, 51);
    QTest::newRow("card, tall") << false << QSize(200, 346) << QRect(104, 0, 100, 173);
    QTest::newRow("card, large") << false << QSize(3080, 1730) << QRect(0, 0, 308, 173);
    // The zoom's box is 1220 x 710 on the test screen.
    QTest::newRow("zoom, small") << true << QSize(100, 50) << QRect(560, 330, 100, 50);
    QTest::newRow("zoom, card-sized") << true << QSize(308, 173) << QRect(456, 268, 308, 173);
    QTest::newRow("zoom, wide") << true << QSize(2440, 710) << QRect(0, 177, 1220, 355);
    QTest::newRow("zoom, tall") << true << QSize(600, 1420) << QRect(460, 0, 300, 710);
}

void tst_GuiPhoto::displayRule()
{
    QFETCH(bool, zoom);
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);

    CardFixture f;
    f.loadPhoto(f.pictureFile(QStringLiteral("foto.bmp"), Gui::testPicture(picture), "BMP"));
    QCOMPARE(f.imgFoto()->picture().size(), picture);

    if (!zoom) {
        QCOMPARE(f.imgFoto()->size(), QSize(308, 173));
        QCOMPARE(f.imgFoto()->pictureRect(), drawn);
        return;
    }
    QRect zoomed;
    Gui::whileModal([&zoomed](QWidget* window) {
        if (const PhotoView* view = window ? Gui::photoView(window, "imgFoto") : nullptr)
            zoomed = view->pictureRect();
    });
    f.click("btnZoomFoto");
    QCOMPARE(zoomed, drawn);
}

void tst_GuiPhoto::zoomWindow_data()
{
    QTest::addColumn<QString>("target");

    QTest::newRow("click on the photo") << "imgFoto";
    QTest::newRow("click beside the photo") << "panContainer";
}

void tst_GuiPhoto::zoomWindow()
{
    QFETCH(QString, target);

    CardFixture f;
    const QImage picture = Gui::testPicture({400, 300});
    f.loadPhoto(f.pictureFile(QStringLiteral("foto.bmp"), picture, "BMP"));

    struct Seen {
        QString name, caption;
        bool maximised = false, modal = false, ownedByCard = false;
        QImage picture;
        QSize container, photo;
    } seen;
    bool closed = false;
    Gui::whileModal(
        [&](QWidget* window) {
            QVERIFY(window);
            seen.name = window->objectName();
            seen.caption = window->windowTitle();
            seen.maximised = window->isMaximized();
            seen.modal = window->isModal();
            seen.ownedByCard = window->parentWidget() == &f.card;
            QWidget* container = window->findChild<QWidget*>(QStringLiteral("panContainer"));
            PhotoView* view = Gui::photoView(window, "imgFoto");
            QVERIFY(container && view);
            seen.picture = view->picture();
            seen.container = container->size();
            seen.photo = view->size();
            QWidget* clicked = target == QLatin1String("imgFoto") ? view : container;
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
        },
        &closed);

    f.click("btnZoomFoto");

    QCOMPARE(seen.name, QStringLiteral("frmZoom"));
    QCOMPARE(seen.caption, QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    QVERIFY(seen.maximised);
    QVERIFY(seen.modal);
    QVERIFY(seen.ownedByCard);
    QCOMPARE(Gui::rgb(seen.picture), picture);
    QCOMPARE(seen.container, QSize(1220, 710));
    QCOMPARE(seen.photo, QSize(1220, 710));
    QVERIFY2(closed, "the click did not close the zoom");
    QCOMPARE(f.card.findChildren<TfrmZoom*>().size(), 0);
    // The card's own picture is untouched by the zoom.
    QCOMPARE(Gui::rgb(f.imgFoto()->picture()), picture);
}

QTEST_MAIN(tst_GuiPhoto)
#include "tst_gui_photo.moc"
