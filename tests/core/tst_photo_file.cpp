#include "photo/PhotoFile.h"

#include "FileTest.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using FileTest::readFile;
using FileTest::writeFile;
QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    }
    return picture;
}

QByteArray encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Real small files whose headers are then made to announce a huge picture: 60000 x 60000,
// or 16000 x 16000 for a bitmap since Qt's own reader refuses bitmap sides beyond 16384.
QByteArray hugeBmp()
{
    QByteArray bytes = encoded(testPicture(8, 8), "BMP");
    qToLittleEndian<qint32>(16000, bytes.data() + 18);
    qToLittleEndian<qint32>(16000, bytes.data() + 22);
    return bytes;
}

QByteArray hugePng()
{
    QByteArray bytes = encoded(testPicture(8, 8), "PNG");
    qToBigEndian<quint32>(60000, bytes.data() + 16);
    qToBigEndian<quint32>(60000, bytes.data() + 20);
    qToBigEndian<quint32>(crc32(QByteArrayView(bytes).sliced(12, 17)), bytes.data() + 29);
    return bytes;
}

QByteArray hugeJpeg()
{
    QByteArray bytes = encoded(testPicture(8, 8), "JPEG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame < 0)
        qFatal("the JPEG fixture has no baseline frame header");
    qToBigEndian<quint16>(60000, bytes.data() + frame + 5);
    qToBigEndian<quint16>(60000, bytes.data() + frame + 7);
    return bytes;
}

// A small progressive JPEG whose frame header then announces side x side pixels, as a
// damaged file can: small on disk, yet costly to decode in full.
QByteArray announcingProgressiveJpeg(quint16 side)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(testPicture(8, 8));
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (frame < 0)
        qFatal("the JPEG fixture has no progressive frame header");
    qToBigEndian<quint16>(side, bytes.data() + frame + 5);
    qToBigEndian<quint16>(side, bytes.data() + frame + 7);
    return bytes;
}

} // namespace

class tst_PhotoFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void loadRefuses_data();
    void loadRefuses();
    void truncatedJpegDoesNotCrash();
    void bitmapSavedAsJpeg();
    void saveReplacesExistingPhoto();
    void saveFails_data();
    void saveFails();
    void fittedPhotoSize_data();
    void fittedPhotoSize();
    void largePhotoLoadsFittedOrWhole();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
};

void tst_PhotoFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
}

void tst_PhotoFile::loadRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: no file at all

    QTest::newRow("missing") << QStringLiteral("assente.jpg") << QByteArray();
    QTest::newRow("empty file") << QStringLiteral("vuoto.jpg") << QByteArray("");
    QTest::newRow("not a picture") << QStringLiteral("testo.jpg") << QByteArray("Questa non e' una foto.\n");
    QTest::newRow("JPEG signature only") << QStringLiteral("inizio.jpg") << QByteArray("\xFF\xD8\xFF\xE0garbage");
    QTest::newRow("huge bitmap") << QStringLiteral("enorme.bmp") << hugeBmp();
    QTest::newRow("huge PNG") << QStringLiteral("enorme.png") << hugePng();
    QTest::newRow("huge JPEG") << QStringLiteral("enorme.jpg") << hugeJpeg();
    QTest::newRow("huge bitmap named .jpg") << QStringLiteral("enorme_bmp.jpg") << hugeBmp();
    // Within the output limit, but the decoder's working memory is not.
    QTest::newRow("progressive JPEG announcing 8192 x 8192")
        << QStringLiteral("progressiva.jpg") << announcingProgressiveJpeg(8192);
    // Within every memory limit, but far smaller than any real picture of that size.
    QTest::newRow("tiny JPEG announcing 2000 x 2000")
        << QStringLiteral("minuscola.jpg") << announcingProgressiveJpeg(2000);
}

void tst_PhotoFile::loadRefuses()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    const QString path = m_folder + name;
    if (!content.isNull())
        writeFile(path, content);
    QVERIFY(!PhotoFile::load(path).has_value());
}

void tst_PhotoFile::truncatedJpegDoesNotCrash()
{
    const QByteArray whole = encoded(testPicture(200, 150), "JPEG");
    const QString path = m_folder + QStringLiteral("troncata.jpg");
    writeFile(path, whole.left(whole.size() / 2));

    // Either answer is acceptable; a picture, if any, has the announced size.
    const std::optional<QImage> picture = PhotoFile::load(path);
    if (picture)
        QCOMPARE(picture->size(), QSize(200, 150));
}

void tst_PhotoFile::bitmapSavedAsJpeg()
{
    const QString bitmap = m_folder + QStringLiteral("originale.bmp");
    writeFile(bitmap, encoded(testPicture(321, 123), "BMP"));

    const std::optional<QImage> picture = PhotoFile::load(bitmap);
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(321, 123));

    // The photo folder does not exist yet.
    const QString path = PhotoFile::pathFor(m_folder, QStringLiteral("12"));
    QCOMPARE(path, m_folder + QStringLiteral("Autoparco/Scheda_Veicolo_12.jpg"));
    QVERIFY(!QFileInfo::exists(m_folder + QStringLiteral("Autoparco")));
    QVERIFY(PhotoFile::save(*picture, path));

    QVERIFY(readFile(path).startsWith("\xFF\xD8"));
    const std::optional<QImage> reloaded = PhotoFile::load(path);
    QVERIFY(reloaded.has_value());
    QCOMPARE(reloaded->size(), QSize(321, 123));
}

void tst_PhotoFile::saveReplacesExistingPhoto()
{
    const QString path = PhotoFile::pathFor(m_folder, QStringLiteral("3"));
    QVERIFY(PhotoFile::save(testPicture(40, 30), path));
    QVERIFY(PhotoFile::save(testPicture(64, 48), path));
    const std::optional<QImage> picture = PhotoFile::load(path);
    QVERIFY(picture.has_value());
    QCOMPARE(picture->size(), QSize(64, 48));
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

void tst_PhotoFile::saveFails_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("name");

    QTest::newRow("null picture") << QImage() << QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg");
    QTest::newRow("folder is a file") << testPicture(10, 10) << QStringLiteral("blocco/Scheda_Veicolo_1.jpg");
    QTest::newRow("unknown extension") << testPicture(10, 10) << QStringLiteral("Autoparco/Scheda_Veicolo_1.xyz");
}

void tst_PhotoFile::saveFails()
{
    QFETCH(QImage, picture);
    QFETCH(QString, name);

    writeFile(m_folder + QStringLiteral("blocco"), "non una cartella");
    QVERIFY(!PhotoFile::save(picture, m_folder + name));
    QVERIFY(!QFileInfo::exists(m_folder + name));
}

void tst_PhotoFile::fittedPhotoSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("fitted");

    QTest::newRow("fits") << QSize(100, 50) << QSize(200, 200) << QSize(100, 50);
    QTest::newRow("exact box") << QSize(200, 150) << QSize(200, 150) << QSize(200, 150);
    QTest::newRow("small is not enlarged") << QSize(10, 10) << QSize(1000, 1000) << QSize(10, 10);
    QTest::newRow("wider") << QSize(400, 100) << QSize(200, 200) << QSize(200, 50);
    QTest::newRow("taller") << QSize(100, 400) << QSize(200, 200) << QSize(50, 200);
    QTest::newRow("taller only, width fits") << QSize(150, 300) << QSize(200, 200) << QSize(100, 200);
    QTest::newRow("both larger, width limits") << QSize(800, 600) << QSize(400, 400) << QSize(400, 300);
    QTest::newRow("both larger, height limits") << QSize(600, 800) << QSize(400, 300) << QSize(225, 300);
    QTest::newRow("empty picture") << QSize(0, 0) << QSize(200, 200) << QSize();
    QTest::newRow("null picture") << QSize() << QSize(200, 200) << QSize();
}

void tst_PhotoFile::fittedPhotoSize()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(QSize, fitted);
    QCOMPARE(::fittedPhotoSize(picture, box), fitted);
}

void tst_PhotoFile::largePhotoLoadsFittedOrWhole()
{
    // A real large photo is plausible however it is encoded, and loads whole or fitted.
    const QString path = m_folder + QStringLiteral("grande.jpg");
    writeFile(path, encoded(testPicture(3000, 2000), "JPEG"));
    const std::optional<QImage> whole = PhotoFile::load(path);
    QVERIFY(whole.has_value());
    QCOMPARE(whole->size(), QSize(3000, 2000));
    const std::optional<QImage> fitted = PhotoFile::loadFitted(path, {600, 600});
    QVERIFY(fitted.has_value());
    QCOMPARE(fitted->size(), QSize(600, 400));
    // A picture smaller than the box is not enlarged.
    QCOMPARE(PhotoFile::loadFitted(path, {4000, 4000})->size(), QSize(3000, 2000));
}

QTEST_GUILESS_MAIN(tst_PhotoFile)
#include "tst_photo_file.moc"
