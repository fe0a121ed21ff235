#include "output/CardReportWindow.h"

#include "archive/StoredText.h"
#include "companion/CardAccess.h"
#include "platform/Platform.h"
#include "printing/PrintJob.h"
#include "printing/ReportTemplates.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/PhotoView.h"
#include "widgets/WindowFrame.h"

#include <QPainter>
#include <QSvgRenderer>

#include <exception>

namespace {

const QSize HiddenPictureSize(297, 184);

// The fallback picture: a blue euro sign.
QImage fallbackPicture()
{
    QImage image(HiddenPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/artwork/common/imgTemp.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

PhotoView* hiddenPicture(QWidget* parent, const char* name)
{
    auto* picture = new PhotoView(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(QRect(QPoint(0, 0), HiddenPictureSize));
    picture->hide();
    return picture;
}

} // namespace

CardReportWindow::CardReportWindow(const Look& look, Output output, QWidget* parent)
    : QDialog(parent), repDocumento(ReportTemplates::schedaVeicolo()), m_output(output),
      m_failureMessage(look.failureMessage)
{
    QWidget* panContainer = buildFrame(this, look.frame);
    Controls::shape(panContainer, "shpSfondo", {18, 18, 326, 215}, Qt::white, Qt::white);
    Controls::picture(panContainer, "imgLogo01", look.banner, false);
    const Controls::PushButton<CardReportWindow> buttons[] = {
        {"btnAnnulla", {18, 243, 145, 28}, "Annulla", &CardReportWindow::btnAnnullaClick},
        {"btnStampa", {200, 243, 145, 28}, look.actionCaption, &CardReportWindow::btnStampaClick},
    };
    Controls::tabChain(
        Controls::pushButtons(this, panContainer, buttons, Fonts::font(QStringLiteral("Verdana"), 9)).inRowOrder());
    imgLogo = hiddenPicture(panContainer, "imgLogo");
    imgTemp = hiddenPicture(panContainer, "imgTemp");
    imgTemp->setPicture(fallbackPicture());
}

void CardReportWindow::setCard(const CardAccess* card)
{
    m_card = card;
}

void CardReportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    copyCardPicture();
}

void CardReportWindow::copyCardPicture()
{
    const QImage picture = m_card ? m_card->photo() : QImage();
    imgLogo->setPicture(picture.isNull() ? imgTemp->picture() : picture);
}

Report::PreparedReport CardReportWindow::fillAndPrepare()
{
    repDocumento.page(QStringLiteral("Page1")).setOrientation(Report::Orientation::Portrait);
    repDocumento.picture(QStringLiteral("imgLogo")).setPicture(imgLogo->picture());
    for (QString TSchedaVeicolo::*member : ReportTemplates::printedFields()) {
        repDocumento.text(ReportTemplates::valueObjectName(member))
            .setText(m_card ? StoredText::trimmed(m_card->boxText(member)) : QString());
    }
    return Report::prepare(repDocumento, Platform::instance().today());
}

QString CardReportWindow::failureMessage() const
{
    return QString::fromUtf8(m_failureMessage) +
           QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
}

void CardReportWindow::btnAnnullaClick()
{
    reject();
}

// Fills the form from the card, hands it to the print dialog (a cancelled dialog is no
// failure) or shows it in the preview until the user closes it, then closes. Any failure
// of the engine ends here as the window's warning: none may reach the event loop.
void CardReportWindow::btnStampaClick()
{
    try {
        const Report::PreparedReport prepared = fillAndPrepare();
        const QString jobName = QStringLiteral("Scheda veicolo ") +
                                (m_card ? StoredText::trimmed(m_card->boxText(&TSchedaVeicolo::Targa)) : QString());
        if (m_output == Output::Print)
            Platform::instance().print(this, printJob(prepared, jobName));
        else
            Platform::instance().preview(this, printJob(prepared, jobName));
    } catch (const std::exception&) {
        Messages::warning(this, failureMessage());
    }
    accept();
}
