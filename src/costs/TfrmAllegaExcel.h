#pragma once

#include "costs/TCostoVeicolo.h"

#include <QDialog>

#include <array>
#include <functional>

class FindInList;
class LineList;
class QLabel;
class QLineEdit;
class QStackedWidget;
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
    ~TfrmAllegaExcel() override;

    // The card of the vehicle whose costs the window shows; none for the start-up instance.
    void setCard(const CardAccess* card);
    // How btnAnalisi opens the analysis of the vehicle, over this window; the opener
    // knows the analysis window, which lives above the cost window.
    void setAnalysisOpener(std::function<void(QWidget* owner)> open);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ListPanel;
    class EntryPanel;

    // "Marca Modello targata Targa", each trimmed from the card.
    QString vehicleTitle() const;
    QString programFolder() const;
    int vehiclePosition() const;
    void showEntryPanel();
    // The entry as the five boxes hold it.
    TCostoVeicolo entryOnPanel() const;

    void FormShow();
    // The list and the total from the file, as an opening reads them.
    void loadList();
    // Torna all'elenco: the entry panel back to the list, read again from the file.
    void btnElencoClick();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
    void btnStampaClick();
    void btnAnalisiClick();
    // Chiudi on either panel.
    void btnChiudiClick();
    void impDataClick();
    // The amount box's text becomes amount text; a text that is no number is refused with
    // a warning, and the focus goes back to the box. False when it was refused.
    bool txtImportoExit();
    // True when the key event is used up: Enter moves on, only digits, "," and the
    // editing keys reach the box.
    bool txtImportoKeyDown(int key, const QString& character);

    QStackedWidget* m_panels = nullptr;
    ListPanel* panContainer = nullptr;
    EntryPanel* panCosti = nullptr;

    // The entry panel's edit box of a cost field.
    QLineEdit* box(QString TCostoVeicolo::*member) const;
    const CardAccess* m_card = nullptr;
    std::function<void(QWidget* owner)> m_openAnalysis;
    // The entry lblPosizione names, as the window last read or wrote it.
    QByteArray m_keptEntry;
    bool m_refusingAmount = false;
};
