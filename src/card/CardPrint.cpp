// The card's print and preview: each opens its confirmation window, which prints
// whatever the card shows, stored or not. They check nothing.
#include "card/TfrmAutoparco.h"

#include "output/TfrmAnteprimaAutomezzo.h"
#include "output/TfrmStampaAutomezzo.h"
#include "widgets/ModalWindow.h"

void TfrmAutoparco::cmdStampaClick()
{
    openModal<TfrmStampaAutomezzo>(this, [this](TfrmStampaAutomezzo& print) { print.setCard(this); });
}

void TfrmAutoparco::cmdAnteprimaClick()
{
    openModal<TfrmAnteprimaAutomezzo>(this, [this](TfrmAnteprimaAutomezzo& preview) { preview.setCard(this); });
}
