#pragma once

#include "output/CardReport.h"

#include <QDialog>

// The card's print window: a confirmation before the card form goes to the print dialog.
// It prints what the card that opened it shows, stored or not.
class TfrmStampaAutomezzo final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmStampaAutomezzo)
public:
    explicit TfrmStampaAutomezzo(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnAnnullaClick();
    void btnStampaClick();

    CardReport m_report;
};
