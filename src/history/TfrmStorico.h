#pragma once

#include "history/HistoryRows.h"

#include <QDialog>

class CardAccess;
class HistoryModel;
class QComboBox;
class QLabel;
class QTableView;

// The history of the vehicle shown in the card: one row per event, newest first, narrowed
// to one kind of event in cboTipo, and printed as a summary.
class TfrmStorico final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmStorico)
public:
    explicit TfrmStorico(QWidget* parent = nullptr);

    // Reads the history of the card's vehicle and opens a fresh window on owner, modally.
    // A history that cannot be read is told with the archive's message, and no window opens.
    static void open(QWidget* owner, const CardAccess& card);

    // The title "Marca Modello targata TARGA" and the rows of the vehicle's events.
    void subCarica(const QString& vehicle, const QString& plate, std::vector<HistoryRow> rows);

private:
    void cboTipoChange(int index);
    void btnStampaClick();
    void btnChiudiClick();

    HistoryModel* m_rows = nullptr;
    QLabel* lblVeicolo = nullptr;
    QComboBox* cboTipo = nullptr;
    QTableView* grdStorico = nullptr;
    QString m_plate;
};
