// The card's help and export buttons: each opens a fresh modal window over the card.
#include "app/HelpTopics.h"
#include "app/TfrmGuida.h"
#include "card/TfrmAutoparco.h"
#include "output/TfrmExpAutoparco.h"
#include "widgets/ModalWindow.h"

void TfrmAutoparco::cmdEsportaClick()
{
    openModal<TfrmExpAutoparco>(this, [](TfrmExpAutoparco&) {});
}

void TfrmAutoparco::cmdGuidaClick()
{
    TfrmGuida::open(this, HelpTopics::card());
}
