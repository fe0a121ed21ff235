// The card's search: the search window shows a recalled vehicle on the card.
#include "card/TfrmAutoparco.h"

#include "search/TfrmTrovaAutomezzi.h"
#include "widgets/ModalWindow.h"

void TfrmAutoparco::cmdTrovaClick()
{
    openModal<TfrmTrovaAutomezzi>(this, [this](TfrmTrovaAutomezzi& search) {
        search.setTag(QStringLiteral("autoparco"));
        search.setCard(this);
    });
}
