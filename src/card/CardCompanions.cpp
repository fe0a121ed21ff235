// The companion windows the card opens: attached files and the slideshow.
#include "card/TfrmAutoparco.h"

#include "card/TfrmAllegaCartella.h"
#include "card/TfrmSlideshow_Automezzi.h"
#include "widgets/ModalWindow.h"

void TfrmAutoparco::cmdFileClick()
{
    // Any card, stored or not: the attachments reach the archive when the card is saved.
    openModal<TfrmAllegaCartella>(this, [this](TfrmAllegaCartella& attachments) {
        attachments.setTag(QStringLiteral("autoparco"));
        attachments.setCard(*this);
    });
}

void TfrmAutoparco::cmdSlideshowClick()
{
    openModal<TfrmSlideshow_Automezzi>(this, [](TfrmSlideshow_Automezzi&) {});
}
