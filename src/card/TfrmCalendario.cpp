#include "card/TfrmCalendario.h"

#include "card/DateBoxes.h"
#include "companion/CardAccess.h"
#include "platform/Platform.h"
#include "platform/ProcessFormats.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmCalendario", " Importazione data", {253, 294})
                              .gradient(Qt::white, Colours::SteelBlue)
                              .container({230, 266})
                              .withoutTitleBarButtons()
                              .withProcessFormats();

} // namespace

TfrmCalendario::TfrmCalendario(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 8);
    Controls::label(panContainer, "lblCampo001", {12, 8}, QStringLiteral("Importare una data:"), verdana);
    Controls::shape(panContainer, "bkgCalendario", {12, 28, 206, 188}, QColor(0xD6, 0xDC, 0xE1), Qt::white);

    calAppuntamenti = new QCalendarWidget(panContainer);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(24, 40, 182, 164);
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    calAppuntamenti->setFont(verdana);
    calAppuntamenti->setSelectedDate(Platform::instance().today());

    const Controls::PushButton<TfrmCalendario> buttons[] = {
        {"btnImportaData", {122, 224, 96, 28}, "Importa", &TfrmCalendario::btnImportaDataClick},
        {"btnAnnulla", {12, 224, 96, 28}, "Annulla", &TfrmCalendario::btnAnnullaClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana);
    Controls::tabChain(QList<QWidget*>{calAppuntamenti} + made.inRowOrder());

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

void TfrmCalendario::setTag(const QString& tag)
{
    lblMemory->setText(tag);
}

void TfrmCalendario::setCard(CardAccess* card)
{
    m_card = card;
}

void TfrmCalendario::btnImportaDataClick()
{
    for (const DateBox& date : DateBoxes) {
        if (lblMemory->text() != QLatin1String(date.tag))
            continue;
        if (m_card)
            m_card->setBoxText(date.member, ProcessFormats::formatDate(calAppuntamenti->selectedDate()));
        accept();
        return;
    }
}

void TfrmCalendario::btnAnnullaClick()
{
    reject();
}
