#include "access/TfrmPassword.h"

#include "access/PasswordBox.h"
#include "access/PasswordFile.h"
#include "archive/StoredText.h"
#include "platform/Platform.h"
#include "widgets/Centre.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmPassword", " Corvanta - Accesso", {388, 405})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({360, 378})
                              .withoutTitleBarButtons();

} // namespace

TfrmPassword::TfrmPassword(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::gradientShape(panContainer, "shpSfondo", {8, 8, 344, 265}, ShapeRect::Gradient::Vertical,
                            Colours::SteelBlue, Qt::white);
    Controls::picture(panContainer, "imgLogo", {16, 16, 328, 160}, false);
    imgPrimoAccesso = Controls::picture(panContainer, "imgPrimoAccesso", {16, 122, 200, 44}, false);
    Controls::gradientShape(panContainer, "shpTitolo", {16, 184, 328, 81}, ShapeRect::Gradient::Vertical,
                            QColor(0x7D, 0xA9, 0xCD), Qt::white);
    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    Controls::label(panContainer, "lblRigo05", {36, 200}, QStringLiteral("Immetti la password e premi OK."), verdana);
    txtPassword = passwordBox(panContainer, "txtPassword", "effPassword", 36, 222, 230);

    const Controls::PushButton<TfrmPassword> buttons[] = {
        {"cmdOK", {280, 216, 49, 33}, "OK", &TfrmPassword::cmdOKClick},
        {"cmdEsci", {8, 338, 146, 32}, "Esci", &TfrmPassword::cmdEsciClick},
        {"btnCambiaPassword", {205, 338, 146, 32}, "Cambia password", &TfrmPassword::btnCambiaPasswordClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panContainer, buttons, verdana);
    cmdOK = made["cmdOK"];
    cmdOK->setEnabled(false);
    Controls::tabChain(QList<QWidget*>{txtPassword} + made.inRowOrder());

    lblMemory = new QLabel(panContainer);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    txtPassword->installEventFilter(this);
}

void TfrmPassword::subAzzera()
{
    txtPassword->clear();
    lblMemory->clear();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        centreOnScreen(this);
        // A password of the clerk's own is never shown: the hint goes once it is changed.
        imgPrimoAccesso->setVisible(PasswordFile::holdsFirstPassword(Platform::instance().programFolder()));
        txtPassword->setFocus();
    }
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (cmdOK->isEnabled())
                cmdOKClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::txtPasswordChange()
{
    cmdOK->setEnabled(!StoredText::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    QString stored;
    try {
        stored = PasswordFile::readStored(Platform::instance().programFolder());
    } catch (...) {
        Messages::plain(this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                                             "della password. Si consiglia di reinstallare il software."));
        return;
    }
    lblMemory->setText(stored);
    if (PasswordFile::normalForm(txtPassword->text()) == stored) {
        emit accepted();
        return;
    }
    Messages::plain(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::cmdEsciClick()
{
    close();
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    // Closing the login, by "Esci" or by the window system, ends the program.
    event->accept();
    QApplication::quit();
}

void TfrmPassword::btnCambiaPasswordClick()
{
    emit changeRequested();
}
