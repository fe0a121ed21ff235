#include "output/TfrmAnteprimaAutomezzo.h"

#include "widgets/WindowFrame.h"

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmAnteprimaAutomezzo", " Anteprima di stampa", {364, 287})
                              .gradient(QColor(0x42, 0x7A, 0xA8), Qt::white)
                              .container({364, 287})
                              .withoutTitleBarButtons();

} // namespace

TfrmAnteprimaAutomezzo::TfrmAnteprimaAutomezzo(QWidget* parent)
    : CardReportWindow(
          {Frame,
           {21, 30, 320, 186},
           "Mostra anteprima",
           "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon fine."},
          Output::Preview, parent)
{}
