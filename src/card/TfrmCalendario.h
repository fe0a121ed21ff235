#pragma once

#include <QDialog>

class CardAccess;

class QCalendarWidget;
class QLabel;

// The date picker: a month calendar that starts at today on every opening. "Importa"
// writes the chosen date into the card's date box whose tag the opener left in lblMemory.
class TfrmCalendario final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmCalendario)
public:
    explicit TfrmCalendario(QWidget* parent = nullptr);

    void setTag(const QString& tag);
    // The card whose date box "Importa" writes; none for the start-up instance.
    void setCard(CardAccess* card);

private:
    void btnImportaDataClick();
    void btnAnnullaClick();

    QCalendarWidget* calAppuntamenti = nullptr;
    QLabel* lblMemory = nullptr;
    CardAccess* m_card = nullptr;
};
