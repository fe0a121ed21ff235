#include "help/TfrmGuida.h"

#include "help/HelpTopics.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/TextLink.h"
#include "widgets/WindowFrame.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmGuida", " Guida all'utilizzo del software", {670, 572})
                              .gradient(Qt::white, QColor(0xBF, 0xD8, 0xEF))
                              .container({642, 540})
                              .withoutTitleBarButtons();

const QColor Wheat(0xF5, 0xDE, 0xB3);

} // namespace

TfrmGuida::TfrmGuida(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {8, 8, 625, 89}, Qt::white, Wheat);
    const Controls::Picture pictures[] = {{"imgLogo", {24, 16, 587, 69}}};
    Controls::pictures(panContainer, pictures);

    lblTitolo = Controls::label(panContainer, "lblTitolo", {8, 104}, QStringLiteral("Argomento della guida."),
                                Fonts::font(QStringLiteral("Arial"), 16, true), Colours::Crimson);
    lblTitolo->setFixedWidth(625);

    txtGuida = new QPlainTextEdit(panContainer);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setGeometry(8, 128, 625, 350);
    txtGuida->setFont(Fonts::font(QStringLiteral("Verdana"), 12, true));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const Controls::PictureButton<TfrmGuida> buttons[] = {
        {"imgPDF", {8, 496, 27, 27}, nullptr, &TfrmGuida::lnkWebClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);
    lnkWeb = new TextLink(panContainer, "lnkWeb", {44, 500}, QStringLiteral("Visualizza guida in formato PDF"));
    lnkWeb->bindIcon(panContainer->findChild<QAbstractButton*>(QStringLiteral("imgPDF")));
    connect(lnkWeb, &TextLink::clicked, this, &TfrmGuida::lnkWebClick);

    const Controls::PushButton<TfrmGuida> closing[] = {
        {"btnChiudi", {472, 490, 161, 38}, "Chiudi", &TfrmGuida::btnChiudiClick}};
    Controls::pushButtons(this, panContainer, closing, Fonts::font(QStringLiteral("Verdana"), 12));
}

void TfrmGuida::setTopic(const HelpTopic& topic)
{
    lblTitolo->setText(topic.title);
    // The text's CR LF pairs are its paragraph breaks.
    txtGuida->setPlainText(QString(topic.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TfrmGuida::open(QWidget* owner, const HelpTopic& topic)
{
    openModal<TfrmGuida>(owner, [&topic](TfrmGuida& window) { window.setTopic(topic); });
}

void TfrmGuida::btnChiudiClick()
{
    accept();
}

void TfrmGuida::lnkWebClick()
{
    // Not checked for: a missing guide is the shell's to report.
    const QString guide = Platform::instance().programFolder() + guideFileName();
    Messages::openWithShell(this, QLatin1Char('"') + guide + QLatin1Char('"'));
}
