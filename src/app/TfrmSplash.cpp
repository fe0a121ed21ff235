#include "app/TfrmSplash.h"

#include "help/Maker.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/TextLink.h"
#include "widgets/WindowFrame.h"

namespace {

// The caption is the product name and the maker's notice of the launcher's imgSito.
const WindowFrame Frame =
    WindowFrame::fixed("frmSplash", " Corvanta - © 2026 Corvanta - Tutti i diritti riservati", {661, 467})
        .gradient(Qt::white, QColor(0x35, 0x25, 0x25))
        .container({642, 448})
        .withoutTitleBarButtons();

} // namespace

TfrmSplash::TfrmSplash(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    const Controls::Picture pictures[] = {{"imgLogo", {8, 8, 625, 380}}};
    Controls::pictures(panContainer, pictures);
    const Controls::PictureButton<TfrmSplash> buttons[] = {
        {"imgWeb", {8, 400, 39, 36}, nullptr, &TfrmSplash::lnkWebClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);

    lnkWeb = new TextLink(panContainer, "lnkWeb", {54, 409}, Maker::webAddress());
    lnkWeb->bindIcon(panContainer->findChild<QAbstractButton*>(QStringLiteral("imgWeb")));
    connect(lnkWeb, &TextLink::clicked, this, &TfrmSplash::lnkWebClick);

    const Controls::PushButton<TfrmSplash> closing[] = {
        {"btnChiudi", {473, 402, 160, 34}, "Chiudi", &TfrmSplash::btnChiudiClick}};
    Controls::pushButtons(this, panContainer, closing, Fonts::font(QStringLiteral("Verdana"), 12));
}

void TfrmSplash::btnChiudiClick()
{
    accept();
}

void TfrmSplash::lnkWebClick()
{
    Messages::openWithShell(this, Maker::webAddress());
}
