#pragma once

#include <QWidget>

class AutomaticBackup;

// The launcher: the hub the user returns to. Its two large pictures lead to the
// vehicle card and the deadlines; closing it ends the program.
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void imgAutoparcoClick();
    void imgScadenzeClick();
    void imgSitoClick();
    void imgInfoClick();
    void imgGuidaClick();
    void imgCreditiClick();
    void imgEsciClick();
    void imgCopieSicurezzaClick();
    void imgImportaClick();

    AutomaticBackup* m_copieSicurezza;
};
