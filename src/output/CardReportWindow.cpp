#include "output/CardReportWindow.h"

#include "output/PrintJob.h"
#include "platform/Platform.h"

#include <QPushButton>

#include <exception>

CardReportWindow::CardReportWindow(const CardReport::Look& look, Output output, QWidget* parent)
    : QDialog(parent), m_report(this, look), m_output(output)
{
    connect(m_report.btnAnnulla, &QPushButton::clicked, this, &CardReportWindow::btnAnnullaClick);
    connect(m_report.btnStampa, &QPushButton::clicked, this, &CardReportWindow::btnStampaClick);
}

void CardReportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_report.copyCardPicture();
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
        const Report::PreparedReport prepared = m_report.fillAndPrepare();
        if (m_output == Output::Print)
            Platform::instance().print(this, printJob(prepared));
        else
            Platform::instance().preview(this, printJob(prepared));
    } catch (const std::exception&) {
        Messages::warning(this, m_report.failureMessage());
    }
    accept();
}
