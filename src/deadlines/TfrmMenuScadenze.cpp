#include "deadlines/TfrmMenuScadenze.h"

#include "deadlines/DeadlineListWindow.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/WindowFrame.h"

#include <QCloseEvent>

namespace {

const QColor Blue(0x42, 0x7A, 0xA8);
const QColor BlanchedAlmond(0xFF, 0xEB, 0xCD);

const WindowFrame Frame = WindowFrame::maximised("frmMenuScadenze", " Corvanta - Scadenze Imminenti", {1016, 713})
                              .gradient(Blue, Qt::white)
                              .container({995, 692})
                              .withProcessFormats();

const Controls::Picture Pictures[] = {
    {"icoAuto", {48, 34, 150, 62}},
    {"icoTitolo", {222, 40, 711, 57}},
    {"icoScadenze", {120, 184, 382, 282}},
    {"icoIstruzioni", {112, 480, 777, 56}},
};

template <typename Window> void openList(QWidget* owner)
{
    openModal<Window>(owner, [](Window&) {});
}

} // namespace

TfrmMenuScadenze::TfrmMenuScadenze(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::gradientShape(panContainer, "shpContainer01", {8, 8, 977, 566}, ShapeRect::Gradient::Vertical, Blue,
                            Qt::white);
    Controls::shape(panContainer, "shpTitle", {16, 16, 961, 96}, Blue, Blue);
    Controls::shape(panContainer, "bkgTitle", {24, 24, 945, 80}, Qt::white, Qt::white);
    Controls::label(panContainer, "lblIstruzioni", {112, 152},
                    QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."),
                    Fonts::font(QStringLiteral("Verdana"), 12), Qt::white);
    Controls::shape(panContainer, "bkgSelezione", {112, 176, 777, 298}, Qt::white, Qt::white);
    Controls::shape(panContainer, "sfoPulsanti", {510, 184, 370, 282}, BlanchedAlmond, BlanchedAlmond);
    Controls::shape(panContainer, "bkgPulsanti", {520, 194, 350, 262}, Qt::white, Qt::white);
    Controls::shape(panContainer, "shpContainer02", {8, 581, 977, 100}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);
    const Controls::PictureButton<TfrmMenuScadenze> buttons[] = {
        {"btnRevisione", {598, 215, 197, 40}, nullptr, &TfrmMenuScadenze::btnRevisioneClick},
        {"btnTagliando", {598, 275, 197, 40}, nullptr, &TfrmMenuScadenze::btnTagliandoClick},
        {"btnAssicurazione", {598, 335, 197, 40}, nullptr, &TfrmMenuScadenze::btnAssicurazioneClick},
        {"btnBollo", {598, 395, 197, 40}, nullptr, &TfrmMenuScadenze::btnBolloClick},
        {"imgGuida", {26, 604, 141, 67}, nullptr, &TfrmMenuScadenze::imgGuidaClick},
        {"imgEsci", {826, 604, 140, 67}, nullptr, &TfrmMenuScadenze::imgEsciClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);
}

void TfrmMenuScadenze::btnRevisioneClick()
{
    openList<TfrmScadRevisione>(this);
}

void TfrmMenuScadenze::btnTagliandoClick()
{
    openList<TfrmScadTagliando>(this);
}

void TfrmMenuScadenze::btnAssicurazioneClick()
{
    openList<TfrmScadAssicurazione>(this);
}

void TfrmMenuScadenze::btnBolloClick()
{
    openList<TfrmScadBollo>(this);
}

void TfrmMenuScadenze::imgGuidaClick()
{
    TfrmGuida::open(this, HelpTopics::deadlineMenu());
}

void TfrmMenuScadenze::imgEsciClick()
{
    close();
}

void TfrmMenuScadenze::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
