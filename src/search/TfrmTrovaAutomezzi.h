#pragma once

#include "archive/TSchedaVeicolo.h"
#include "search/VehicleSearch.h"

#include <QDialog>

#include <array>

class CardAccess;
class FindInList;
class LineList;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The search window: ten criteria boxes on the panel panAvvio find vehicles by parts of
// words; the result panel panContainer then lists them, finds a line, prints the list and
// recalls a vehicle into the card by a double click. The two panels lie in the same place
// and the criteria panel is never shown again once the results are.
class TfrmTrovaAutomezzi final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmTrovaAutomezzi)
public:
    // A criteria box: its name, its label, the record field it tests and its highlight rectangle.
    // The rows are in the order of the Enter key and of the testing.
    struct CriterionBox {
        const char* name;
        const char* caption; // UTF-8
        QString TSchedaVeicolo::*field;
        const char* highlight;
    };
    static constexpr std::array<CriterionBox, VehicleSearch::CriterionCount> CriterionBoxes = {{
        {"txtTipo", "Tipo veicolo:", &TSchedaVeicolo::Tipo, "effCampo01"},
        {"txtDestinazione", "Destinazione ed uso:", &TSchedaVeicolo::Destinazione, "effCampo02"},
        {"txtMarca", "Marca:", &TSchedaVeicolo::Marca, "effCampo09"},
        {"txtModello", "Modello:", &TSchedaVeicolo::Modello, "effCampo10"},
        {"txtTarga", "Targa:", &TSchedaVeicolo::Targa, "effCampo05"},
        {"txtStato", "Stato veicolo:", &TSchedaVeicolo::Stato, "effCampo06"},
        {"txtAutista", "Autista:", &TSchedaVeicolo::Autista, "effCampo07"},
        {"txtMeccanico", "Meccanico:", &TSchedaVeicolo::Meccanico, "effCampo08"},
        {"txtProprietario", "Proprietario:", &TSchedaVeicolo::Proprietario, "effCampo03"},
        {"txtNote", "Note:", &TSchedaVeicolo::Note, "effCampo04"},
    }};

    explicit TfrmTrovaAutomezzi(QWidget* parent = nullptr);
    ~TfrmTrovaAutomezzi() override;

    void setTag(const QString& tag);
    // The card a double click recalls a vehicle into; none for the start-up instance.
    void setCard(CardAccess* card);

    // The criteria as typed, in the order of the rows.
    VehicleSearch::Criteria criteria() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class CriteriaPanel;
    class ResultPanel;

    void FormShow();
    void FormClose();
    void btnCercaMouseDown();
    void btnCercaClick();
    // Chiudi on either panel.
    void btnChiudiClick();
    void btnStampaClick();
    void lstRecordsDblClick();

    QStackedWidget* m_panels = nullptr;
    CriteriaPanel* panAvvio = nullptr;
    ResultPanel* panContainer = nullptr;
    bool m_centred = false;
    CardAccess* m_card = nullptr;
};
