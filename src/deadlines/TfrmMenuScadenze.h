#pragma once

#include "archive/StoredVehicle.h"

#include <QWidget>

class QLabel;

// The deadline menu: one orange button for each kind of deadline, each opening its list
// as a fresh modal window, with a badge counting what that list holds. Shown from the
// launcher in its place; closing it leads back.
class TfrmMenuScadenze final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMenuScadenze)
public:
    explicit TfrmMenuScadenze(QWidget* parent = nullptr);

signals:
    // The menu was closed, by imgEsci or the title bar; the launcher shows itself again.
    void closed();
    // A vehicle was double-clicked in the deadline register; it is to be shown in the card.
    void vehicleChosen(const StoredVehicle& chosen);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void btnRevisioneClick();
    void btnTagliandoClick();
    void btnAssicurazioneClick();
    void btnBolloClick();
    void btnScadenzarioClick();
    void subConteggi();
    void imgGuidaClick();
    void imgEsciClick();

    QLabel* m_badges[4] = {}; // lblContaRevisione ... lblContaBollo
};
