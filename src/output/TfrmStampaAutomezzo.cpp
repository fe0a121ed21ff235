#include "output/TfrmStampaAutomezzo.h"

#include "widgets/WindowFrame.h"

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmStampaAutomezzo", " Stampa documento", {364, 287})
                              .gradient(QColor(0x42, 0x7A, 0xA8), Qt::white)
                              .container({364, 287})
                              .withoutTitleBarButtons();

} // namespace

TfrmStampaAutomezzo::TfrmStampaAutomezzo(QWidget* parent)
    : CardReportWindow(
          {Frame, {22, 26, 317, 198}, "Stampa", "Attenzione: la stampa del documento non è andata a buon fine."},
          Output::Print, parent)
{}
