#pragma once

#include "output/CardReportWindow.h"

// The card's print window.
class TfrmStampaAutomezzo final : public CardReportWindow {
    Q_OBJECT
public:
    explicit TfrmStampaAutomezzo(QWidget* parent = nullptr);
};
