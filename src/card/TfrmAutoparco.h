#pragma once

#include "archive/TSchedaVeicolo.h"
#include "card/NavigationRules.h"
#include "companion/CardAccess.h"

#include <QImage>
#include <QWidget>

#include <array>

class ArtworkImage;
class InfoLine;
class PhotoView;
class QLabel;
class QLineEdit;
class QPushButton;

// The vehicle card: one vehicle of the archive in 32 edit boxes, six hidden attachment
// labels and the position label, with its photo. The current vehicle lives in these
// controls and nowhere else; the companion windows read and write them through CardAccess.
class TfrmAutoparco final : public QWidget, public CardAccess {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAutoparco)
public:
    explicit TfrmAutoparco(QWidget* parent = nullptr);

    // Makes the card a new, empty card with the placeholder photo and the focus in txtTipo.
    void subPulisciScheda();
    // Shows a decoded record as position p, then that position's photo.
    void subMostraScheda(const TSchedaVeicolo& record, int position, const QByteArray& stored) override;
    // The same for a record that is shown as stored in its own encoding.
    void subMostraScheda(const TSchedaVeicolo& record, int position);

    // The record the card's controls hold, in stored order.
    TSchedaVeicolo recordOnCard() const;
    // The edit box of a shown field, or the hidden label of an attachment field;
    // nullptr for the other kind.
    QLineEdit* box(QString TSchedaVeicolo::*member) const;
    QLabel* hiddenLabel(QString TSchedaVeicolo::*member) const;
    bool offerToSaveEdits() override;
    QString position() const override;
    QImage photo() const override;
    QString boxText(QString TSchedaVeicolo::*member) const override;
    void setBoxText(QString TSchedaVeicolo::*member, const QString& text) override;
    QString hiddenLabelText(QString TSchedaVeicolo::*member) const override;
    void setHiddenLabelText(QString TSchedaVeicolo::*member, const QString& text) override;

signals:
    // The card was closed; the launcher shows itself again.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildBackground(QWidget* panContainer);
    void buildEditBoxes(QWidget* panContainer);
    void buildToolbarAndInfoLine(QWidget* panContainer);
    void cmdEsciClick();
    void cmdEsportaClick();
    void cmdGuidaClick();

    // Edit-box behaviour
    void setUpFieldBehaviour(const QList<QWidget*>& tabOrder);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Backspace and Delete empty a date box; other keys but Enter, Tab and a modifier alone
    // open the date picker for it. True when the key is used up.
    bool dateBoxKeyDown(QLineEdit* dateBox, const QString& tag, int key);
    void txtTargaTyping();

    // Navigation
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    // Opens the archive, takes the command's step, reads the record it names, closes the
    // archive and only then shows the record or reports what happened.
    void navigate(NavigationCommand command);

    // Saving, new and duplicate
    void cmdSalvaClick();
    // Salva with all its checks and messages; true when the card was written.
    bool save();
    void cmdNuovoClick();
    void cmdDuplicaClick();
    bool requiredFieldsPresent();
    // Under the archive's lock, with the record stored at position now: whether Salva may
    // overwrite it with record, asking when another program changed it since it was shown
    // or when the kilometres look mistyped.
    bool overwriteAgreed(int position, const QByteArray& storedNow, const TSchedaVeicolo& record);
    // The bytes at position as the card last read or wrote them.
    void keepStored(int position, const QByteArray& stored);
    void clearAttachments();
    // Sets lblPosizione; the history button works for a stored card only.
    void showPosition(const QString& position);

    // History
    void imgStoricoClick();
    // Appends what a save at position changed to the vehicle's history: the creation of a
    // new card (no before), or one change per watched field. Runs under the archive's lock;
    // false when the history could not be written, which leaves the save as it is.
    bool recordHistory(int position, const QByteArray* before, const TSchedaVeicolo& after) noexcept;
    // A field's caption as the card shows it, without its colon.
    QString captionOf(QString TSchedaVeicolo::*member) const;

    // Companion windows
    void cmdFileClick();
    void cmdSlideshowClick();
    void btnCostiClick();
    void cmdTrovaClick();

    // Photo
    void subApriFotoScheda();
    void subSalvaFotoScheda();
    void showPlaceholder();
    void btnCaricaFotoClick();
    void btnSalvaFotoClick();
    void btnCancFotoClick();
    void btnZoomFotoClick();

    // Printing
    void cmdStampaClick();
    void cmdAnteprimaClick();

    // The control of each field, by the field's position in the record: an edit box, or
    // a hidden label for the attachments.
    std::array<QLineEdit*, TSchedaVeicolo::FieldCount> m_boxes{};
    std::array<QLabel*, TSchedaVeicolo::FieldCount> m_hiddenLabels{};
    QLabel* lblPosizione = nullptr;
    QPushButton* btnFocus = nullptr;
    PhotoView* imgFoto = nullptr;
    PhotoView* imgBianco = nullptr;
    InfoLine* m_infoLine = nullptr;
    // The texts of the 32 boxes as the card last showed or saved them.
    std::array<QString, TSchedaVeicolo::FieldCount> m_shownTexts{};
    void rememberShownTexts();
    bool boxesEdited() const;
    int m_keptPosition = 0;
    QByteArray m_keptBytes;
    ArtworkImage* imgStorico = nullptr;
    // The position a new card was duplicated from, until its first save; 0 for a card typed anew.
    int m_duplicatedFrom = 0;
};
