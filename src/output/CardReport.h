#pragma once

#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"

#include <QRect>

class PhotoView;
class QDialog;
class QPushButton;
class QWidget;
class TfrmAutoparco;
struct WindowFrame;

// What the card's print and preview windows share: the frame, the white panel with the
// banner, the two buttons, the hidden pictures imgLogo and imgTemp, and the template
// "Scheda Veicolo" they fill from the card that opened them.
class CardReport final {
public:
    struct Look {
        const WindowFrame& frame;
        QRect banner;               // imgLogo01
        const char* actionCaption;  // btnStampa's caption, UTF-8
        const char* failureMessage; // UTF-8
    };

    CardReport(QDialog* window, const Look& look);
    CardReport(const CardReport&) = delete;
    CardReport& operator=(const CardReport&) = delete;

    QPushButton* btnAnnulla = nullptr;
    QPushButton* btnStampa = nullptr;
    Report::ReportTemplate repDocumento;

    // FormShow: the card's current picture into imgLogo, or imgTemp when there is none.
    void copyCardPicture();
    // Fills repDocumento from the card and the window's imgLogo and prepares it.
    // Raises the engine's errors.
    Report::PreparedReport fillAndPrepare();
    // The warning that ends a failed print or preview.
    QString failureMessage() const;

private:
    // The card that opened the window; nullptr for the start-up instance.
    const TfrmAutoparco* card() const;

    QDialog* m_window;
    const char* m_failureMessage;
    PhotoView* imgLogo = nullptr;
    PhotoView* imgTemp = nullptr;
};
