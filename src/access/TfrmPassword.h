#pragma once

#include <QWidget>

class ArtworkImage;
class QLabel;
class QLineEdit;
class QPushButton;

// The login window, the first the user sees: the launcher opens only after the password
// stored in the password file is typed.
class TfrmPassword final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmPassword)
public:
    explicit TfrmPassword(QWidget* parent = nullptr);

    // As the change-password window leaves it: an empty box with the focus.
    void subAzzera();

signals:
    // The password matched: the launcher shows, the login hides.
    void accepted();
    // "Cambia password": the change window shows, the login hides.
    void changeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtPasswordChange();
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblMemory = nullptr;
    ArtworkImage* imgPrimoAccesso = nullptr;
};
