#pragma once

#include "archive/TSchedaVeicolo.h"

#include <QDialog>

#include <array>

class CardAccess;
class QLabel;
class QLineEdit;
class QPushButton;

// The attached-files window: three slots of a file name and a description. "Sfoglia..."
// copies a chosen file into the attachments folder, "Apri" opens a slot's file with the
// shell, and "Applica e chiudi" hands the six values back to the card named by the tag.
class TfrmAllegaCartella final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAllegaCartella)
public:
    static constexpr int SlotCount = 3;

    explicit TfrmAllegaCartella(QWidget* parent = nullptr);

    void setTag(const QString& tag);
    // The card whose six hidden labels "Applica e chiudi" writes. Fills the slots from
    // them, trimmed, in the order File01, Desc01, File02, Desc02, File03, Desc03.
    void setCard(CardAccess& card);

    // The record fields of a slot's file name and description.
    struct SlotFields {
        QString TSchedaVeicolo::*file;
        QString TSchedaVeicolo::*description;
    };
    static const std::array<SlotFields, SlotCount> Slots;

private:
    struct Slot {
        QLineEdit* txtFile = nullptr;
        QLineEdit* txtDesc = nullptr;
        QPushButton* btnSfoglia = nullptr;
        QPushButton* btnApri = nullptr;
    };

    void buildSlot(QWidget* panContainer, int slot);
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void imgCancellaClick(int slot);
    void txtFileChange(int slot);
    void btnApplicaClick();
    void btnAnnullaClick();

    std::array<Slot, SlotCount> m_slots{};
    QLabel* lblMemory = nullptr;
    CardAccess* m_card = nullptr;
};
