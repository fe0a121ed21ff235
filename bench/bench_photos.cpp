// The photo paths a clerk waits on: one slideshow step and the card's Next, each onto a
// vehicle whose photo is a 24-megapixel JPEG.
#include "bench_photos.h"

#include "BenchFigures.h"
#include "FakePlatform.h"

#include "archive/VehicleArchive.h"
#include "card/TfrmAutoparco.h"
#include "card/TfrmSlideshow_Automezzi.h"
#include "photo/PhotoFile.h"
#include "widgets/ArtworkImage.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int Runs = 5;

// A camera-sized photo with detail everywhere, so that it encodes like a real one.
QImage cameraPhoto()
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x * 7 + y) & 0xFF, (x ^ y) & 0xFF, (x * y / 97) & 0xFF);
    }
    return photo;
}

} // namespace

void benchPhotos()
{
    FakePlatform platform;
    {
        VehicleArchive archive(platform.programFolder());
        for (int n = 1; n <= 2; ++n) {
            TSchedaVeicolo vehicle;
            vehicle.Tipo = QStringLiteral("Autovettura");
            vehicle.Targa = QStringLiteral("AB%1CD").arg(n);
            archive.append(vehicle);
        }
        archive.close();
    }
    if (!PhotoFile::save(cameraPhoto(), PhotoFile::pathFor(platform.programFolder(), QStringLiteral("2")))) {
        std::fprintf(stderr, "cannot write the photo\n");
        return;
    }

    TfrmAutoparco card;
    card.showMaximized();
    QApplication::processEvents();
    auto* next = card.findChild<ArtworkImage*>(QStringLiteral("cmdAvanti"));
    const double cardNext = BenchFigures::medianMs(
        Runs,
        [&] {
            emit next->clicked();
            card.repaint();
        },
        [&] { card.subMostraScheda(TSchedaVeicolo(), 1); });
    BenchFigures::print("card Next onto a 24-megapixel photo", cardNext, 400, "ms");

    TfrmSlideshow_Automezzi slideshow(&card);
    slideshow.show();
    QApplication::processEvents();
    auto* step = slideshow.findChild<ArtworkImage*>(QStringLiteral("cmdAvanti"));
    auto* counter = slideshow.findChild<QLabel*>(QStringLiteral("lblPosizione"));
    const double slideshowStep = BenchFigures::medianMs(
        Runs,
        [&] {
            emit step->clicked();
            slideshow.repaint();
        },
        [&] { counter->setText(QStringLiteral("1")); });
    BenchFigures::print("slideshow step, 24-megapixel photo", slideshowStep, 150, "ms");
}
