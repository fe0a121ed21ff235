// The card's cost button: the cost window of the vehicle shown, once it is stored in the
// archive and has its make, model and plate.
#include "analysis/TfrmAnalisiCosti.h"
#include "card/TfrmAutoparco.h"
#include "costs/TfrmAllegaExcel.h"
#include "platform/Platform.h"
#include "widgets/ModalWindow.h"
#include "widgets/RequiredBoxes.h"

#include <QLineEdit>

namespace {

struct RequiredForCosts {
    QString TSchedaVeicolo::*member;
    const char* missing; // UTF-8
};

const RequiredForCosts Required[] = {
    {&TSchedaVeicolo::Marca,
     "Attenzione: per accedere alla gestione dei costi è necessario indicare la marca del veicolo."},
    {&TSchedaVeicolo::Modello,
     "Attenzione: per accedere alla gestione dei costi è necessario indicare il modello del veicolo."},
    {&TSchedaVeicolo::Targa,
     "Attenzione: per accedere alla gestione dei costi è necessario indicare la targa del veicolo."},
};

} // namespace

void TfrmAutoparco::btnCostiClick()
{
    // The cost file is named after the position, so an unsaved card has none yet.
    if (position().isEmpty()) {
        Messages::warning(this, QStringLiteral("Attenzione: la gestione dei costi può avvenire soltanto dopo che la "
                                               "scheda del veicolo è stata salvata in archivio."));
        return;
    }
    // The boxes as they stand, saved or not.
    QList<RequiredBox> boxes;
    for (const RequiredForCosts& field : Required)
        boxes.append({box(field.member), field.missing});
    if (!requiredBoxesFilled(this, boxes))
        return;
    openModal<TfrmAllegaExcel>(this, [this](TfrmAllegaExcel& costs) {
        costs.setCard(this);
        costs.setAnalysisOpener([this](QWidget* owner) {
            openModal<TfrmAnalisiCosti>(owner, [this](TfrmAnalisiCosti& analysis) { analysis.setCard(this); });
        });
    });
}
