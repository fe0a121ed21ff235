#pragma once

#include "output/CardReport.h"

#include <QDialog>

// The card's preview window: a confirmation before the card form shows in the preview.
// It prints what the card that opened it shows, stored or not.
class TfrmAnteprimaAutomezzo final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAnteprimaAutomezzo)
public:
    explicit TfrmAnteprimaAutomezzo(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnAnnullaClick();
    void btnStampaClick();

    CardReport m_report;
};
