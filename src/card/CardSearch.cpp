// The card's search: the search window writes a recalled vehicle straight into the card.
#include "card/TfrmAutoparco.h"

#include "search/TfrmTrovaAutomezzi.h"
#include "widgets/ModalWindow.h"

void TfrmAutoparco::cmdTrovaClick()
{
    openModal<TfrmTrovaAutomezzi>(this, [](TfrmTrovaAutomezzi& search) { search.setTag(QStringLiteral("autoparco")); });
}
