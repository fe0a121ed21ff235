#include "output/TfrmStampaAutomezzo.h"

#include "output/PrintJob.h"
#include "platform/Platform.h"
#include "widgets/WindowFrame.h"

#include <QPushButton>

#include <exception>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmStampaAutomezzo", " Stampa documento", {364, 287})
                              .gradient(QColor(0x42, 0x7A, 0xA8), Qt::white)
                              .container({364, 287})
                              .withoutTitleBarButtons();

} // namespace

TfrmStampaAutomezzo::TfrmStampaAutomezzo(QWidget* parent)
    : QDialog(parent),
      m_report(this,
               {Frame, {22, 26, 317, 198}, "Stampa", "Attenzione: la stampa del documento non è andata a buon fine."})
{
    connect(m_report.btnAnnulla, &QPushButton::clicked, this, &TfrmStampaAutomezzo::btnAnnullaClick);
    connect(m_report.btnStampa, &QPushButton::clicked, this, &TfrmStampaAutomezzo::btnStampaClick);
}

void TfrmStampaAutomezzo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_report.copyCardPicture();
}

void TfrmStampaAutomezzo::btnAnnullaClick()
{
    reject();
}

// Fills the form from the card, prints it through the print dialog (a cancelled dialog is no failure), then closes. Any
// failure of the engine ends here as the window's warning: none may reach the event loop.
void TfrmStampaAutomezzo::btnStampaClick()
{
    try {
        const Report::PreparedReport prepared = m_report.fillAndPrepare();
        Platform::instance().print(this, printJob(prepared));
    } catch (const std::exception&) {
        Messages::warning(this, m_report.failureMessage());
    }
    accept();
}
