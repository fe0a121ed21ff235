#include "card/TfrmAllegaCartella.h"

#include "archive/StoredText.h"
#include "card/Attachments.h"
#include "companion/CardAccess.h"
#include "platform/Platform.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/WindowFrame.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmAllegaCartella", " Allega file", {634, 534})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({609, 503})
                              .withoutTitleBarButtons();

// The tops of the three slots; every control of a slot is placed from its top.
constexpr int SlotTops[] = {80, 200, 320};
const char* const Ordinals[] = {"1°", "2°", "3°"};

Platform::FileDialogOptions dlgFile()
{
    Platform::FileDialogOptions options;
    options.title = QStringLiteral("Selezionare il file da allegare:");
    options.filter = QStringLiteral("Tutti i file (*.*)|*");
    return options;
}

QByteArray numbered(const char* prefix, int number)
{
    return QByteArray(prefix) + QByteArray::number(number).rightJustified(2, '0');
}

} // namespace

const std::array<TfrmAllegaCartella::SlotFields, TfrmAllegaCartella::SlotCount> TfrmAllegaCartella::Slots = {{
    {&TSchedaVeicolo::File01, &TSchedaVeicolo::Desc01},
    {&TSchedaVeicolo::File02, &TSchedaVeicolo::Desc02},
    {&TSchedaVeicolo::File03, &TSchedaVeicolo::Desc03},
}};

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent) : QDialog(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {8, 8, 593, 433}, Qt::white, Qt::white);
    Controls::picture(panContainer, "imgLogo", {20, 20, 543, 49}, false);
    for (int slot = 0; slot < SlotCount; ++slot)
        buildSlot(panContainer, slot);

    const QFont verdana = Fonts::font(QStringLiteral("Verdana"), 10);
    const Controls::PushButton<TfrmAllegaCartella> buttons[] = {
        {"btnApplica", {447, 456, 154, 32}, "Applica e chiudi", &TfrmAllegaCartella::btnApplicaClick},
        {"btnAnnulla", {312, 456, 126, 32}, "Annulla", &TfrmAllegaCartella::btnAnnullaClick},
    };
    const Controls::Buttons closing = Controls::pushButtons(this, panContainer, buttons, verdana);

    // Tab order: each slot's name, Sfoglia, Apri and description, then Applica, Annulla.
    QList<QWidget*> order;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const Slot& controls = m_slots[slot];
        order << controls.txtFile << controls.btnSfoglia << controls.btnApri << controls.txtDesc;
    }
    Controls::tabChain(order + closing.inRowOrder());

    lblMemory = new QLabel(panContainer);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->move(9, 453);
    lblMemory->hide();
}

void TfrmAllegaCartella::buildSlot(QWidget* panContainer, int slot)
{
    const int y = SlotTops[slot];
    const int number = slot + 1;
    const QFont caption = Fonts::font(QStringLiteral("Verdana"), 12);
    const QFont boxFont = Fonts::font(QStringLiteral("Verdana"), 12, true);
    const QFont buttonFont = Fonts::font(QStringLiteral("Verdana"), 10);
    Slot& controls = m_slots[slot];

    Controls::gradientShape(panContainer, numbered("shpFile", number).constData(), {16, y, 577, 113},
                            ShapeRect::Gradient::Vertical, QColor(0xA8, 0xCA, 0xE5), Qt::white);
    Controls::label(panContainer, numbered("lblCampo", 2 * number - 1).constData(), {28, y + 10},
                    QStringLiteral("Nome %1 file allegato:").arg(QString::fromUtf8(Ordinals[slot])), caption);
    controls.txtFile =
        Controls::editBox(panContainer, numbered("txtFile", number).constData(), {28, y + 28, 338, 22}, 32767, boxFont);
    controls.txtFile->setReadOnly(true);
    QPalette grey = controls.txtFile->palette();
    grey.setColor(QPalette::Text, Qt::gray);
    controls.txtFile->setPalette(grey);
    connect(controls.txtFile, &QLineEdit::textChanged, this, [this, slot] { txtFileChange(slot); });

    ArtworkImage* eraser = Controls::picture(panContainer, numbered("imgCancella", number).constData(),
                                             {370, y + 28, 22, 22}, true, "imgCancella");
    connect(eraser, &ArtworkImage::clicked, this, [this, slot] { imgCancellaClick(slot); });

    controls.btnSfoglia = Controls::pushButton(panContainer, numbered("btnSfoglia", number).constData(),
                                               {400, y + 24, 86, 28}, QStringLiteral("Sfoglia..."), buttonFont);
    connect(controls.btnSfoglia, &QPushButton::clicked, this, [this, slot] { btnSfogliaClick(slot); });
    controls.btnApri = Controls::pushButton(panContainer, numbered("btnApri", number).constData(),
                                            {494, y + 24, 86, 28}, QStringLiteral("Apri"), buttonFont);
    controls.btnApri->setEnabled(false);
    connect(controls.btnApri, &QPushButton::clicked, this, [this, slot] { btnApriClick(slot); });

    Controls::label(panContainer, numbered("lblCampo", 2 * number).constData(), {28, y + 60},
                    QStringLiteral("Descrizione %1 file allegato:").arg(QString::fromUtf8(Ordinals[slot])), caption);
    controls.txtDesc =
        Controls::editBox(panContainer, numbered("txtDesc", number).constData(), {28, y + 78, 552, 22}, 32767, boxFont);
}

void TfrmAllegaCartella::setTag(const QString& tag)
{
    lblMemory->setText(tag);
}

void TfrmAllegaCartella::setCard(CardAccess& card)
{
    m_card = &card;
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_slots[slot].txtFile->setText(StoredText::trimmed(card.hiddenLabelText(Slots[slot].file)));
        m_slots[slot].txtDesc->setText(StoredText::trimmed(card.hiddenLabelText(Slots[slot].description)));
    }
}

void TfrmAllegaCartella::btnSfogliaClick(int slot)
{
    const QString chosen = Platform::instance().openFileName(this, dlgFile());
    if (chosen.isEmpty())
        return;
    QLineEdit* txtFile = m_slots[slot].txtFile;
    txtFile->setText(QFileInfo(chosen).fileName());

    // Failures on the folder and the copy are silent: the slot keeps the new name.
    const QString folder = Attachments::folder(Platform::instance().programFolder());
    if (!QDir().mkpath(folder))
        return;
    const QString bare = Attachments::bareName(StoredText::trimmed(txtFile->text()));
    if (bare.isEmpty())
        return;
    const QString target = folder + bare;
    if (QFileInfo::exists(target) &&
        !Messages::question(this, QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un "
                                                 "file con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file "
                                                 "esistente?")))
        return;
    Attachments::copyFile(chosen, target);
}

void TfrmAllegaCartella::btnApriClick(int slot)
{
    const QString target =
        Attachments::shellTarget(Platform::instance().programFolder(), m_slots[slot].txtFile->text());
    if (!target.isEmpty())
        Messages::openWithShell(this, target);
}

void TfrmAllegaCartella::imgCancellaClick(int slot)
{
    m_slots[slot].txtFile->clear();
}

void TfrmAllegaCartella::txtFileChange(int slot)
{
    m_slots[slot].btnApri->setEnabled(!StoredText::trimmed(m_slots[slot].txtFile->text()).isEmpty());
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (m_card && StoredText::trimmed(lblMemory->text()) == QLatin1String("autoparco")) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            m_card->setHiddenLabelText(Slots[slot].file, StoredText::trimmed(m_slots[slot].txtFile->text()));
            m_card->setHiddenLabelText(Slots[slot].description, StoredText::trimmed(m_slots[slot].txtDesc->text()));
        }
    }
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    reject();
}
