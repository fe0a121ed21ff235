#include "access/TfrmCambiaPassword.h"

#include "access/PasswordBox.h"
#include "access/PasswordFile.h"
#include "archive/StoredText.h"
#include "platform/Platform.h"
#include "widgets/Centre.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/EnterRing.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmCambiaPassword", " Cambia password", {411, 418})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({385, 390})
                              .withoutTitleBarButtons();

const QString ChangeFailed = QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica "
                                            "della password. Si consiglia di reinstallare il software.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::gradientShape(panContainer, "shpSfondo", {8, 8, 369, 334}, ShapeRect::Gradient::Vertical,
                            Colours::SteelBlue, Qt::white);
    Controls::picture(panContainer, "imgLogo", {16, 16, 353, 148}, false);
    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    Controls::label(panContainer, "lblRigo05", {16, 172}, QStringLiteral("Vecchia password:"), verdana);
    txtPasswordOld = passwordBox(panContainer, "txtPasswordOld", "effPasswordOld", 16, 193, 353);
    Controls::label(panContainer, "lblRigo06", {16, 228}, QStringLiteral("Nuova password:"), verdana);
    txtPasswordNew = passwordBox(panContainer, "txtPasswordNew", "effPasswordNew", 16, 249, 353);
    Controls::label(panContainer, "lblRigo07", {16, 284}, QStringLiteral("Conferma nuova password:"), verdana);
    txtConferma = passwordBox(panContainer, "txtConferma", "effConferma", 16, 305, 353);

    const Controls::PushButton<TfrmCambiaPassword> buttons[] = {
        {"cmdEsci", {8, 350, 146, 32}, "Chiudi", &TfrmCambiaPassword::cmdEsciClick},
        {"cmdOK", {232, 350, 146, 32}, "OK", &TfrmCambiaPassword::cmdOKClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana);
    cmdOK = made["cmdOK"];
    cmdOK->setEnabled(false);
    Controls::tabChain(QList<QWidget*>{txtPasswordOld, txtPasswordNew, txtConferma} + made.inRowOrder());

    lblMemory = new QLabel(panContainer);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    // Return only moves on, round the three boxes; it never changes the password.
    new EnterRing({txtPasswordOld, txtPasswordNew, txtConferma});
    for (QLineEdit* box : {txtPasswordOld, txtPasswordNew, txtConferma})
        connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::boxesChange);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void TfrmCambiaPassword::boxesChange()
{
    cmdOK->setEnabled(!StoredText::trimmed(txtPasswordOld->text()).isEmpty() &&
                      !StoredText::trimmed(txtPasswordNew->text()).isEmpty() &&
                      !StoredText::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    const QString folder = Platform::instance().programFolder();
    QString stored;
    try {
        stored = PasswordFile::readStored(folder);
    } catch (...) {
        Messages::plain(this, ChangeFailed);
        return;
    }
    lblMemory->setText(stored);
    if (PasswordFile::normalForm(txtPasswordOld->text()) != stored) {
        Messages::plain(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (StoredText::trimmed(txtPasswordNew->text()) != StoredText::trimmed(txtConferma->text())) {
        Messages::plain(this, QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                                             "E' necessario reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    // A password the file cannot hold faithfully is refused before anything is written.
    const PasswordFile::NewPasswordCheck check = PasswordFile::checkNewPassword(txtPasswordNew->text());
    if (check != PasswordFile::NewPasswordCheck::Acceptable) {
        Messages::plain(this, PasswordFile::refusalMessage(check));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    try {
        PasswordFile::storeNew(folder, txtPasswordNew->text());
    } catch (...) {
        Messages::plain(this, ChangeFailed);
        return;
    }
    Messages::plain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick()
{
    close();
}
