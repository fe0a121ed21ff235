#include "app/TfrmInfo.h"

#include "help/Maker.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/TextLink.h"
#include "widgets/WindowFrame.h"

#include <QDir>
#include <QLineEdit>

namespace {

// The panel sits at 15, 15 and reaches down past the close button, which stands below
// the header's 490 pixels. The e-mail link lies on it, at 15, 531 of the window.
const WindowFrame Frame = WindowFrame::fixed("frmInfo", " Informazioni su Corvanta", {473, 579})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({442, 549})
                              .withoutTitleBarButtons();
const QPoint PanelOrigin(15, 15);

const QColor LightBlue(0x84, 0xAD, 0xD0);

} // namespace

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {8, 8, 425, 72}, Qt::white, LightBlue);
    const Controls::Picture pictures[] = {{"imgLogo", {24, 16, 392, 54}}};
    Controls::pictures(panContainer, pictures);

    // What support asks first: which version, and where the files are.
    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    Controls::label(panContainer, "lblVersione", {24, 104}, QStringLiteral("Corvanta, versione ") + Maker::version(),
                    Fonts::font(QStringLiteral("Verdana"), 10, true));
    Controls::label(panContainer, "lblCartella", {24, 134}, QStringLiteral("Cartella dei dati:"), verdana);
    QLineEdit* txtCartella = Controls::editBox(panContainer, "txtCartella", {24, 154, 394, 24}, 32767, verdana);
    txtCartella->setReadOnly(true);
    txtCartella->setText(QDir::toNativeSeparators(Platform::instance().programFolder()));
    txtCartella->setCursorPosition(0);

    const Controls::PushButton<TfrmInfo> closing[] = {
        {"btnChiudi", {280, 504, 161, 41}, "Chiudi", &TfrmInfo::btnChiudiClick}};
    Controls::pushButtons(this, panContainer, closing, Fonts::font(QStringLiteral("Verdana"), 12));

    const Controls::PictureButton<TfrmInfo> buttons[] = {
        {"imgEmail", QRect(QPoint(15, 531) - PanelOrigin, QSize(23, 16)), nullptr, &TfrmInfo::lnkWebClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);
    lnkWeb = new TextLink(panContainer, "lnkWeb", QPoint(46, 528) - PanelOrigin, Maker::emailAddress());
    lnkWeb->bindIcon(panContainer->findChild<QAbstractButton*>(QStringLiteral("imgEmail")));
    connect(lnkWeb, &TextLink::clicked, this, &TfrmInfo::lnkWebClick);
}

QString TfrmInfo::mailLink()
{
    // Blanks stay as they are: the shell hands the address to the e-mail program whole.
    return QLatin1Char('"') + QStringLiteral("mailto:") + Maker::emailAddress() +
           QStringLiteral("?subject=Software Corvanta&body=Salve, desidererei avere le seguenti informazioni sul "
                          "software in oggetto:") +
           QLatin1Char('"');
}

void TfrmInfo::btnChiudiClick()
{
    accept();
}

void TfrmInfo::lnkWebClick()
{
    Messages::openWithShell(this, mailLink());
}
