#pragma once

#include <QWidget>

class QLineEdit;
class QLabel;
class QPushButton;

// Changes the one password: the old one, then the new one twice.
class TfrmCambiaPassword final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmCambiaPassword)
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);

signals:
    // The window closed, by "Chiudi" or a completed change: the login shows again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void boxesChange();
    void cmdOKClick();
    void cmdEsciClick();

    QLineEdit* txtPasswordOld = nullptr;
    QLineEdit* txtPasswordNew = nullptr;
    QLineEdit* txtConferma = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblMemory = nullptr;
};
