#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// What a companion window may read and write on the vehicle card that opened it. The
// current vehicle lives in the card's controls, so these reach the controls themselves:
// an edit box by its record member, a hidden attachment label by its record member, the
// position label, the photo, and the routine that shows a decoded record. The opener
// hands itself in through the companion's setCard; no companion knows the card's class.
class CardAccess {
public:
    // The edit box of a shown field.
    virtual QString boxText(QString TSchedaVeicolo::*member) const = 0;
    virtual void setBoxText(QString TSchedaVeicolo::*member, const QString& text) = 0;
    // The hidden label of an attachment field.
    virtual QString hiddenLabelText(QString TSchedaVeicolo::*member) const = 0;
    virtual void setHiddenLabelText(QString TSchedaVeicolo::*member, const QString& text) = 0;
    // The trimmed text of lblPosizione: empty for a new card.
    virtual QString position() const = 0;
    virtual QImage photo() const = 0;
    // Before the card's texts are replaced: when the clerk typed into a box since the card
    // was shown, asks whether to save first, and saves on Yes. False when the card must
    // stay as it is (a save that did not happen).
    virtual bool offerToSaveEdits() = 0;
    // Shows a decoded record as position p, then that position's photo. stored holds the
    // bytes it was decoded from, which Salva compares with those stored at p by then.
    virtual void subMostraScheda(const TSchedaVeicolo& record, int position, const QByteArray& stored) = 0;

protected:
    CardAccess() = default;
    ~CardAccess() = default;
    CardAccess(const CardAccess&) = default;
    CardAccess& operator=(const CardAccess&) = default;
};
