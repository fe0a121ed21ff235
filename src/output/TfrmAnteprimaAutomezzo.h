#pragma once

#include "output/CardReportWindow.h"

// The card's preview window.
class TfrmAnteprimaAutomezzo final : public CardReportWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaAutomezzo(QWidget* parent = nullptr);
};
