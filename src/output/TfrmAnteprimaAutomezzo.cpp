#include "output/TfrmAnteprimaAutomezzo.h"

#include "output/PrintJob.h"
#include "platform/Platform.h"
#include "widgets/WindowFrame.h"

#include <QPushButton>

#include <exception>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmAnteprimaAutomezzo", " Anteprima di stampa", {364, 287})
                              .gradient(QColor(0x42, 0x7A, 0xA8), Qt::white)
                              .container({364, 287})
                              .withoutTitleBarButtons();

} // namespace

TfrmAnteprimaAutomezzo::TfrmAnteprimaAutomezzo(QWidget* parent)
    : QDialog(parent),
      m_report(this,
               {Frame,
                {21, 30, 320, 186},
                "Mostra anteprima",
                "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon fine."})
{
    connect(m_report.btnAnnulla, &QPushButton::clicked, this, &TfrmAnteprimaAutomezzo::btnAnnullaClick);
    connect(m_report.btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaAutomezzo::btnStampaClick);
}

void TfrmAnteprimaAutomezzo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_report.copyCardPicture();
}

void TfrmAnteprimaAutomezzo::btnAnnullaClick()
{
    reject();
}

// Fills the form from the card, shows it in the preview until the user closes it, then closes. Any failure of the
// engine ends here as the window's warning: none may reach the event loop.
void TfrmAnteprimaAutomezzo::btnStampaClick()
{
    try {
        const Report::PreparedReport prepared = m_report.fillAndPrepare();
        Platform::instance().preview(this, printJob(prepared));
    } catch (const std::exception&) {
        Messages::warning(this, m_report.failureMessage());
    }
    accept();
}
