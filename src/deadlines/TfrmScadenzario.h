#pragma once

#include "archive/StoredVehicle.h"

#include <QDialog>

#include <optional>

class DeadlineRegisterModel;
class QComboBox;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;

// The deadline register: every due date of the fleet in one sortable table, chosen by
// period, printed as a summary or exported as a calendar file. A double-click on a row
// closes the register and hands the vehicle to its opener, which shows it in the card.
class TfrmScadenzario final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmScadenzario)
public:
    explicit TfrmScadenzario(QWidget* parent = nullptr);

    // Opens a fresh register on owner, modally; the vehicle of the row double-clicked in it,
    // as the archive holds it now, if any.
    static std::optional<StoredVehicle> open(QWidget* owner);
    std::optional<StoredVehicle> chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void subCarica();
    void cboPeriodoChange(int index);
    void grdScadenzeDblClick(const QModelIndex& index);
    void btnChiudiClick();
    void btnStampaClick();
    void btnCalendarioClick();
    // Whether the archive can still be read; says so with the archive's message when not.
    bool subArchivioLeggibile();

    DeadlineRegisterModel* m_rows = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QComboBox* cboPeriodo = nullptr;
    QTableView* grdScadenze = nullptr;
    std::optional<StoredVehicle> m_chosen;
};
