#include "output/CardReport.h"

#include "archive/StoredText.h"
#include "card/TfrmAutoparco.h"
#include "output/ReportTemplates.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/PhotoView.h"
#include "widgets/WindowFrame.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

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

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(Fonts::font(QStringLiteral("Verdana"), 9));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

CardReport::CardReport(QDialog* window, const Look& look)
    : repDocumento(ReportTemplates::schedaVeicolo()), m_window(window), m_failureMessage(look.failureMessage)
{
    QWidget* panContainer = buildFrame(window, look.frame);
    Controls::shape(panContainer, "shpSfondo", {18, 18, 326, 215}, Qt::white, Qt::white);
    Controls::picture(panContainer, "imgLogo01", look.banner, false);
    btnAnnulla = button(panContainer, "btnAnnulla", "Annulla", {18, 243, 145, 28});
    btnStampa = button(panContainer, "btnStampa", look.actionCaption, {200, 243, 145, 28});
    QWidget::setTabOrder(btnAnnulla, btnStampa);
    imgLogo = hiddenPicture(panContainer, "imgLogo");
    imgTemp = hiddenPicture(panContainer, "imgTemp");
    imgTemp->setPicture(fallbackPicture());
}

const TfrmAutoparco* CardReport::card() const
{
    return qobject_cast<const TfrmAutoparco*>(m_window->parentWidget());
}

void CardReport::copyCardPicture()
{
    const QImage picture = card() ? card()->photo() : QImage();
    imgLogo->setPicture(picture.isNull() ? imgTemp->picture() : picture);
}

Report::PreparedReport CardReport::fillAndPrepare()
{
    repDocumento.page(QStringLiteral("Page1")).setOrientation(Report::Orientation::Portrait);
    repDocumento.picture(QStringLiteral("imgLogo")).setPicture(imgLogo->picture());
    for (QString TSchedaVeicolo::*member : ReportTemplates::printedFields()) {
        const QLineEdit* box = card() ? card()->box(member) : nullptr;
        repDocumento.text(ReportTemplates::valueObjectName(member))
            .setText(box ? StoredText::trimmed(box->text()) : QString());
    }
    return Report::prepare(repDocumento, Platform::instance().today());
}

QString CardReport::failureMessage() const
{
    return QString::fromUtf8(m_failureMessage) +
           QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
}
