#pragma once

#include "output/CardReport.h"

#include <QDialog>

// The card's print and preview windows are one window: a confirmation before the card
// form goes to the print dialog or to the preview. It prints what the card that opened it
// shows, stored or not. Each keeps its own class name, set by its look and its output.
class CardReportWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardReportWindow)
public:
    enum class Output { Print, Preview };

protected:
    CardReportWindow(const CardReport::Look& look, Output output, QWidget* parent);

    void showEvent(QShowEvent* event) override;

private:
    void btnAnnullaClick();
    void btnStampaClick();

    CardReport m_report;
    Output m_output;
};
