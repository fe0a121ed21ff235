#pragma once

#include <QWidget>

// The deadline menu: one orange button for each kind of deadline, each opening its list
// as a fresh modal window. Shown from the launcher in its place; closing it leads back.
class TfrmMenuScadenze final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMenuScadenze)
public:
    explicit TfrmMenuScadenze(QWidget* parent = nullptr);

signals:
    // The menu was closed, by imgEsci or the title bar; the launcher shows itself again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void btnRevisioneClick();
    void btnTagliandoClick();
    void btnAssicurazioneClick();
    void btnBolloClick();
    void imgGuidaClick();
    void imgEsciClick();
};
