// The card's help and export buttons: each opens a fresh modal window over the card.
#include "card/TfrmAutoparco.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
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
