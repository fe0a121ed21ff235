#pragma once

#include "report/PreparedReport.h"
#include "report/ReportTemplate.h"

#include <QDialog>
#include <QRect>

class CardAccess;
class PhotoView;
struct WindowFrame;

// The card's print and preview windows are one window: a confirmation before the card
// form goes to the print dialog or to the preview. It prints what the card that opened it
// shows, stored or not: the template "Scheda Veicolo" filled from the card's boxes and
// photo. Each keeps its own class name, set by its look and its output.
class CardReportWindow : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardReportWindow)
public:
    enum class Output { Print, Preview };
    struct Look {
        const WindowFrame& frame;
        QRect banner;               // imgLogo01
        const char* actionCaption;  // btnStampa's caption, UTF-8
        const char* failureMessage; // UTF-8
    };

    // The card whose form is printed; none for the start-up instance.
    void setCard(const CardAccess* card);

protected:
    CardReportWindow(const Look& look, Output output, QWidget* parent);

    void showEvent(QShowEvent* event) override;

private:
    void btnAnnullaClick();
    void btnStampaClick();

    // FormShow: the card's current picture into imgLogo, or imgTemp when there is none.
    void copyCardPicture();
    // Fills repDocumento from the card and imgLogo and prepares it. Raises the engine's errors.
    Report::PreparedReport fillAndPrepare();
    // The warning that ends a failed print or preview.
    QString failureMessage() const;

    Report::ReportTemplate repDocumento;
    Output m_output;
    const char* m_failureMessage;
    const CardAccess* m_card = nullptr;
    PhotoView* imgLogo = nullptr;
    PhotoView* imgTemp = nullptr;
};
