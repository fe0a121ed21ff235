#pragma once

#include "costs/TCostoVeicolo.h"

#include <QDialog>

#include <array>

class FindInList;
class LineList;
class QLabel;
class QLineEdit;
class CardAccess;

// The cost window of the vehicle the card shows. The list panel lists the vehicle's cost
// entries with their total and finds and prints them; the entry panel, in the same
// place, adds a cost or changes one. Opened over the card, which it reads for the
// vehicle's position, make, model and plate.
class TfrmAllegaExcel final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAllegaExcel)
public:
    explicit TfrmAllegaExcel(QWidget* parent = nullptr);

    // The card of the vehicle whose costs the window shows; none for the start-up instance.
    void setCard(const CardAccess* card);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildListPanel(QWidget* panContainer);
    void buildEntryPanel(QWidget* panCosti);
    // "Marca Modello targata Targa", each trimmed from the card.
    QString vehicleTitle() const;
    QString programFolder() const;
    int vehiclePosition() const;
    void showEntryPanel();
    // The entry as the five boxes hold it.
    TCostoVeicolo entryOnPanel() const;

    void FormShow();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();
    void btnChiudiClick();
    void cmdCloseClick();
    void impDataClick();
    void txtImportoExit();
    // True when the key event is used up: Enter moves on, only digits, "," and the
    // editing keys reach the box.
    bool txtImportoKeyDown(int key, const QString& character);

    QWidget* panContainer = nullptr;
    QWidget* panCosti = nullptr;
    QLabel* lblTitolo = nullptr;
    QLineEdit* txtTrova = nullptr;
    LineList* lstRecords = nullptr;
    FindInList* m_find = nullptr;
    QLabel* lblTotale = nullptr;

    // The entry panel's edit box of each cost field, by the field's position in the record.
    QLineEdit* box(QString TCostoVeicolo::*member) const;
    std::array<QLineEdit*, TCostoVeicolo::FieldCount> m_boxes{};
    QLineEdit* txtData = nullptr;
    QLineEdit* txtImporto = nullptr;
    QLabel* lblPosizione = nullptr;
    QLabel* lblFile = nullptr;
    const CardAccess* m_card = nullptr;
};
