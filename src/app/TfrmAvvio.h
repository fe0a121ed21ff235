#pragma once

#include <QWidget>

// The launcher: the hub the user returns to. Its two large pictures lead to the
// vehicle card and the deadlines; closing it ends the program.
class TfrmAvvio final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAvvio)
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);

    // The maker's web site, opened by imgSito.
    static QString makerWebAddress() { return QStringLiteral("http://www.corvanta.it"); }
    // The maker's e-mail address, shown and written to by the information window.
    static QString makerEmailAddress() { return QStringLiteral("info@corvanta.it"); }

signals:
    // imgAutoparco or btnAutoparco was clicked.
    void autoparcoRequested();
    // imgScadenze or btnScadenze was clicked.
    void scadenzeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void imgAutoparcoClick();
    void imgScadenzeClick();
    void imgSitoClick();
    void imgInfoClick();
    void imgGuidaClick();
    void imgCreditiClick();
    void imgEsciClick();
};
