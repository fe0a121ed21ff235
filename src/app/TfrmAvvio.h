#pragma once

#include "archive/StoredVehicle.h"

#include <QWidget>

#include <functional>

class AutomaticBackup;
class SummaryBanner;

// The launcher: the hub the user returns to. Its two large pictures lead to the
// vehicle card and the deadlines, and a summary of what falls due; closing it ends the program.
class TfrmAvvio final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAvvio)
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

signals:
    // imgAutoparco or btnAutoparco was clicked.
    void autoparcoRequested();
    // imgScadenze or btnScadenze was clicked.
    void scadenzeRequested();
    // A vehicle was double-clicked in the deadline register or the fleet's cost analysis;
    // it is to be shown in the card.
    void vehicleChosen(const StoredVehicle& chosen);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void imgAutoparcoClick();
    void imgScadenzeClick();
    void imgSitoClick();
    void imgInfoClick();
    void imgGuidaClick();
    void imgCreditiClick();
    void imgEsciClick();
    void imgCopieSicurezzaClick();
    void lblRiepilogoScadenzeClick();
    void subRiepilogoScadenze();
    // Runs open, which shows a modal window from here, then refreshes the summary.
    void subModale(const std::function<void()>& open);
    void imgImportaClick();
    void imgAnalisiCostiClick();

    AutomaticBackup* m_copieSicurezza;
    SummaryBanner* lblRiepilogoScadenze = nullptr;
};
