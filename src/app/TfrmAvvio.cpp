#include "app/TfrmAvvio.h"

#include "app/ProcessFormats.h"
#include "platform/Platform.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Controls.h"
#include "widgets/GradientPage.h"

#include <QApplication>
#include <QCloseEvent>

TfrmAvvio::TfrmAvvio(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Corvanta"));
    resize(1016, 713);
    ProcessFormats::apply();

    auto* page = new GradientPage(QColor(0x46, 0x82, 0xB4), Qt::white, this);
    page->fill(this);
    QWidget* panContainer = Controls::panel(page, "panContainer", {995, 692});
    page->setPanel(panContainer);
    Controls::shape(panContainer, "shpSfondo", {4, 4, 986, 684}, Qt::white, Qt::white);

    // The deadline menu, the information, help and credits windows come with their own
    // windows; until then their pictures are plain pictures.
    const struct {
        const char* name;
        QRect place;
        bool clickable;
    } pictures[] = {
        {"icoTitolo01", {80, 22, 835, 64}, false},    {"imgSottotitolo", {17, 92, 961, 22}, false},
        {"imgInfo", {14, 14, 30, 30}, false},         {"imgGuida", {952, 16, 29, 28}, false},
        {"imgAutoparco", {64, 154, 368, 368}, true},  {"btnAutoparco", {34, 532, 442, 79}, true},
        {"imgScadenze", {548, 154, 368, 368}, false}, {"btnScadenze", {518, 532, 442, 79}, false},
        {"imgSito", {17, 628, 961, 22}, true},        {"imgCrediti", {16, 660, 23, 22}, false},
        {"imgEsci", {960, 662, 17, 18}, true},
    };
    for (const auto& picture : pictures)
        Controls::picture(panContainer, picture.name, picture.place, picture.clickable);

    const struct {
        const char* name;
        void (TfrmAvvio::*handler)();
    } clicks[] = {
        {"imgAutoparco", &TfrmAvvio::imgAutoparcoClick},
        {"btnAutoparco", &TfrmAvvio::imgAutoparcoClick},
        {"imgSito", &TfrmAvvio::imgSitoClick},
        {"imgEsci", &TfrmAvvio::imgEsciClick},
    };
    for (const auto& click : clicks)
        connect(findChild<ArtworkImage*>(QLatin1String(click.name)), &ArtworkImage::clicked, this, click.handler);
}

void TfrmAvvio::imgAutoparcoClick()
{
    emit autoparcoRequested();
}

void TfrmAvvio::imgSitoClick()
{
    Platform::instance().openWithShell(makerWebAddress());
}

void TfrmAvvio::imgEsciClick()
{
    QApplication::quit();
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}
