#include "costs/TfrmAllegaExcel.h"

#include "archive/FieldIndex.h"
#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "archive/VehicleTitle.h"
#include "companion/CardAccess.h"
#include "costs/Amount.h"
#include "costs/CostFile.h"
#include "costs/CostList.h"
#include "platform/Platform.h"
#include "platform/ProcessFormats.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/EnterRing.h"
#include "widgets/FindInList.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Fonts.h"
#include "widgets/LineList.h"
#include "widgets/RequiredBoxes.h"
#include "widgets/WindowFrame.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace {

using C = TCostoVeicolo;

const WindowFrame Frame = WindowFrame::fixed("frmAllegaExcel", " Gestione costi veicolo", {1000, 660})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({980, 640})
                              .withoutTitleBarButtons()
                              .withProcessFormats();

const QRect TitleBand(0, 72, 980, 40);

const Controls::Picture ListPictures[] = {
    {"imgLogo", {0, 0, 980, 64}},      {"imgTrova", {12, 146, 32, 32}},   {"icoMano01", {300, 591, 52, 40}},
    {"icoMano02", {550, 591, 52, 40}}, {"icoTotale", {604, 540, 48, 40}},
};

const Controls::Picture EntryPictures[] = {
    {"imgLogoCosti", {0, 0, 980, 64}},
    {"imgIstruzioni", {24, 128, 300, 420}},
    {"imgEuro", {692, 331, 48, 48}},
};

// A box of the entry panel: its field, name, caption, place and the warning of Salva
// when it is left empty. Capacities come from the record's field table.
struct EntryBox {
    QString C::*member;
    const char* name;
    const char* caption; // UTF-8
    QRect place;
    const char* missing; // UTF-8
};

const EntryBox EntryBoxes[] = {
    {&C::Data,
     "txtData",
     "Data:",
     {500, 140, 140, 30},
     "Attenzione: per salvare la scheda è necessario indicare la data del costo sostenuto."},
    {&C::Causale,
     "txtCausale",
     "Causale:",
     {500, 190, 440, 30},
     "Attenzione: per salvare la scheda è necessario indicare la causale del costo."},
    {&C::Pagatore,
     "txtPagatore",
     "Pagatore:",
     {500, 240, 300, 30},
     "Attenzione: per salvare la scheda è necessario indicare il nome del pagatore."},
    {&C::Beneficiario,
     "txtBeneficiario",
     "Beneficiario:",
     {500, 290, 300, 30},
     "Attenzione: per salvare la scheda è necessario indicare il nome del beneficiario."},
    {&C::Importo,
     "txtImporto",
     "Importo: €",
     {500, 340, 180, 30},
     "Attenzione: per salvare la scheda è necessario indicare l'importo pagato."},
};

QFont verdana(int pointSize, bool bold = false)
{
    return Fonts::font(QStringLiteral("Verdana"), pointSize, bold);
}

// White text centred on a black band.
QLabel* bandLabel(QWidget* parent, const char* name, const QRect& place, const QString& text, const QFont& font,
                  Qt::Alignment alignment)
{
    Controls::shape(parent, QByteArray("shp").append(name + 3).constData(), place, Qt::black, Qt::black);
    QLabel* label = Controls::label(parent, name, place.topLeft(), text, font, Qt::white);
    label->setGeometry(place.adjusted(8, 0, -8, 0));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* hiddenLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->hide();
    return label;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// The list panel panContainer: the vehicle's costs, their total, "Trova" and the buttons.
class TfrmAllegaExcel::ListPanel final : public QWidget {
public:
    ListPanel(TfrmAllegaExcel& window, QWidget* stack);

    QLabel* lblTitolo = nullptr;
    QLineEdit* txtTrova = nullptr;
    LineList* lstRecords = nullptr;
    FindInList* find = nullptr;
    QLabel* lblTotale = nullptr;
};

// The entry panel panCosti: the five boxes of one cost entry and Salva.
class TfrmAllegaExcel::EntryPanel final : public QWidget {
public:
    EntryPanel(TfrmAllegaExcel& window, QWidget* stack);

    // The edit box of each cost field, by the field's position in the record.
    std::array<QLineEdit*, TCostoVeicolo::FieldCount> boxes{};
    QLineEdit* txtData = nullptr;
    QLineEdit* txtImporto = nullptr;
    QLabel* lblPosizione = nullptr;
    QLabel* lblFile = nullptr;
};

TfrmAllegaExcel::ListPanel::ListPanel(TfrmAllegaExcel& window, QWidget* stack) : QWidget(stack)
{
    setObjectName(QStringLiteral("panContainer"));
    QWidget* panel = this;
    Controls::shape(panel, "shpSfondo", {0, 0, 980, 64}, Qt::white, Qt::white);
    Controls::pictures(panel, ListPictures);
    lblTitolo = bandLabel(panel, "lblTitolo", TitleBand, QString(), verdana(18), Qt::AlignHCenter);

    QLabel* lblRigo01 = Controls::label(
        panel, "lblRigo01", {12, 122},
        QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                       "il pulsante Trova."),
        verdana(9));
    lblRigo01->setFixedWidth(956);

    txtTrova = Controls::editBox(panel, "txtTrova", {52, 148, 620, 28}, 32767, verdana(12, true));
    QPushButton* btnTrova =
        Controls::pushButton(panel, "btnTrova", {684, 147, 110, 30}, QStringLiteral("Trova"), verdana(10));

    lstRecords = new LineList(panel);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(12, 188, 956, 320);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    find = new FindInList(txtTrova, btnTrova, lstRecords);

    QLabel* lblRigo03 = Controls::label(
        panel, "lblRigo03", {12, 516},
        QStringLiteral("Per modificare una voce in elenco, selezionarla con un clic e premere il pulsante Modifica "
                       "costo."),
        verdana(9), Colours::Crimson);
    lblRigo03->setFixedWidth(956);

    lblTotale =
        bandLabel(panel, "lblTotale", {660, 542, 308, 36}, QStringLiteral("0,00"), verdana(14, true), Qt::AlignRight);

    const Controls::PushButton<TfrmAllegaExcel> buttons[] = {
        {"btnChiudi", {12, 594, 120, 34}, "Chiudi", &TfrmAllegaExcel::btnChiudiClick},
        {"btnAnalisi", {142, 594, 150, 34}, "Analisi costi", &TfrmAllegaExcel::btnAnalisiClick},
        {"btnAggiungi", {358, 594, 180, 34}, "Aggiungi costo", &TfrmAllegaExcel::btnAggiungiClick},
        {"btnModifica", {608, 594, 180, 34}, "Modifica costo", &TfrmAllegaExcel::btnModificaClick},
        {"btnStampa", {798, 594, 170, 34}, "Stampa riepilogo", &TfrmAllegaExcel::btnStampaClick},
    };
    Controls::pushButtons(&window, panel, buttons, verdana(10));
}

TfrmAllegaExcel::EntryPanel::EntryPanel(TfrmAllegaExcel& window, QWidget* stack) : QWidget(stack)
{
    setObjectName(QStringLiteral("panCosti"));
    QWidget* panel = this;
    Controls::shape(panel, "shpSfondoCosti", {0, 0, 980, 64}, Qt::white, Qt::white);
    Controls::pictures(panel, EntryPictures);
    bandLabel(panel, "titIstruzioni", TitleBand,
              QStringLiteral("Immettere i dati nei campi sottostanti e premere Salva."), verdana(12, true),
              Qt::AlignHCenter);

    QList<QWidget*> ring;
    for (const EntryBox& row : EntryBoxes) {
        Controls::label(panel, QByteArray("lbl").append(row.name + 3).constData(), {360, row.place.top() + 5},
                        QString::fromUtf8(row.caption), verdana(11, true));
        QLineEdit* edit = Controls::editBox(panel, row.name, row.place, fieldCapacity(row.member), verdana(12, true));
        FocusHighlight::colour(edit);
        boxes[fieldIndex(row.member)] = edit;
        ring.append(edit);
    }
    txtData = boxes[fieldIndex(&C::Data)];
    txtImporto = boxes[fieldIndex(&C::Importo)];
    txtImporto->setText(QStringLiteral("0,00"));
    new EnterRing(ring);
    // Installed after the ring, so the amount's own keys come first.
    txtImporto->installEventFilter(&window);

    ArtworkImage* impData = Controls::picture(panel, "impData", {648, 140, 30, 30}, true);
    connect(impData, &ArtworkImage::clicked, &window, &TfrmAllegaExcel::impDataClick);

    const Controls::PushButton<TfrmAllegaExcel> buttons[] = {
        {"cmdClose", {12, 594, 120, 34}, "Chiudi", &TfrmAllegaExcel::btnChiudiClick},
        {"btnElenco", {608, 594, 180, 34}, "Torna all'elenco", &TfrmAllegaExcel::btnElencoClick},
        {"btnSalva", {798, 594, 170, 34}, "Salva", &TfrmAllegaExcel::btnSalvaClick},
    };
    Controls::pushButtons(&window, panel, buttons, verdana(10));

    lblPosizione = hiddenLabel(panel, "lblPosizione");
    lblFile = hiddenLabel(panel, "lblFile");
}

// The entry panel takes the list panel's place; one of the two shows at a time.
TfrmAllegaExcel::TfrmAllegaExcel(QWidget* parent) : QDialog(parent)
{
    m_panels = buildStackedFrame(this, Frame);
    panContainer = new ListPanel(*this, m_panels);
    panCosti = new EntryPanel(*this, m_panels);
    m_panels->addWidget(panContainer);
    m_panels->addWidget(panCosti);
}

TfrmAllegaExcel::~TfrmAllegaExcel() = default;

QLineEdit* TfrmAllegaExcel::box(QString TCostoVeicolo::*member) const
{
    return panCosti->boxes[fieldIndex(member)];
}

void TfrmAllegaExcel::setAnalysisOpener(std::function<void(QWidget* owner)> open)
{
    m_openAnalysis = std::move(open);
}

void TfrmAllegaExcel::btnAnalisiClick()
{
    if (m_openAnalysis)
        m_openAnalysis(this);
}

void TfrmAllegaExcel::setCard(const CardAccess* card)
{
    m_card = card;
}

QString TfrmAllegaExcel::vehicleTitle() const
{
    if (!m_card)
        return {};
    return VehicleTitle::withPlate(m_card->boxText(&TSchedaVeicolo::Marca), m_card->boxText(&TSchedaVeicolo::Modello),
                                   m_card->boxText(&TSchedaVeicolo::Targa));
}

QString TfrmAllegaExcel::programFolder() const
{
    return Platform::instance().programFolder();
}

int TfrmAllegaExcel::vehiclePosition() const
{
    return m_card ? m_card->position().toInt() : 0;
}

TCostoVeicolo TfrmAllegaExcel::entryOnPanel() const
{
    TCostoVeicolo entry;
    for (const auto& field : TCostoVeicolo::fields())
        entry.*(field.member) = box(field.member)->text();
    return entry;
}

void TfrmAllegaExcel::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmAllegaExcel::FormShow()
{
    panContainer->find->forget();
    panContainer->txtTrova->clear();
    panContainer->lblTitolo->setText(vehicleTitle());
    loadList();
}

void TfrmAllegaExcel::loadList()
{
    panContainer->lblTotale->setText(QStringLiteral("0,00"));
    // The start-up instance belongs to no card: it has no vehicle and reads no file.
    const int position = vehiclePosition();
    if (position <= 0)
        return;
    panCosti->lblFile->setText(programFolder() + CostFile::fileName(position));

    const CostList list = loadCostList(programFolder(), position);
    panContainer->lstRecords->setLines(list.lines);
    // A file that fails part way shows what was read and no total; an amount that is no
    // number is listed and left out of the total of the others.
    if (list.complete)
        panContainer->lblTotale->setText(list.totalText());
    panContainer->txtTrova->setFocus();
}

void TfrmAllegaExcel::closeEvent(QCloseEvent* event)
{
    panContainer->lstRecords->clear();
    QDialog::closeEvent(event);
}

bool TfrmAllegaExcel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panCosti->txtImporto && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return txtImportoKeyDown(key->key(), key->text());
    } else if (watched == panCosti->txtImporto && event->type() == QEvent::FocusIn) {
        // Typing replaces the whole amount, however the box was entered; after a click,
        // once the click has placed the cursor.
        QTimer::singleShot(0, panCosti->txtImporto, &QLineEdit::selectAll);
    } else if (watched == panCosti->txtImporto && event->type() == QEvent::FocusOut) {
        // A context menu takes the focus only for a moment: its paste still has to come.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            txtImportoExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAllegaExcel::showEntryPanel()
{
    m_panels->setCurrentWidget(panCosti);
    panCosti->txtData->setFocus();
}

void TfrmAllegaExcel::btnAggiungiClick()
{
    for (QLineEdit* edit : panCosti->boxes)
        edit->clear();
    panCosti->txtImporto->setText(QStringLiteral("0,00"));
    panCosti->lblPosizione->clear();
    m_keptEntry.clear();
    showEntryPanel();
}

void TfrmAllegaExcel::btnModificaClick()
{
    if (panContainer->lstRecords->count() == 0) {
        Messages::information(this, QStringLiteral("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const int selected = panContainer->lstRecords->selectedRow();
    if (selected < 0) {
        Messages::warning(this, QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere il "
                                               "pulsante di modifica."));
        return;
    }
    CostEntryFound found;
    try {
        found = findCostEntryByLine(programFolder(), vehiclePosition(), panContainer->lstRecords->line(selected));
    } catch (const FileAccessError&) {
        close();
        return;
    }
    if (found.position > 0) {
        for (const auto& field : TCostoVeicolo::fields())
            box(field.member)->setText(found.entry.*(field.member));
        panCosti->lblPosizione->setText(QString::number(found.position));
        m_keptEntry = found.stored;
    }
    showEntryPanel();
}

void TfrmAllegaExcel::btnSalvaClick()
{
    QList<RequiredBox> boxes;
    for (const EntryBox& row : EntryBoxes)
        boxes.append({box(row.member), row.missing});
    if (!requiredBoxesFilled(this, boxes))
        return;
    // Only amount text is stored, however the box was filled; never an amount the clerk
    // did not see.
    if (!txtImportoExit())
        return;

    const TCostoVeicolo entry = entryOnPanel();
    const QByteArray bytes = encodeRecord(entry);
    const QString stored = StoredText::trimmed(panCosti->lblPosizione->text());
    int position = 0;
    try {
        CostFile file(programFolder(), vehiclePosition());
        if (!stored.isEmpty()) {
            position = stored.toInt();
            // Bytes, not texts: another program's change in the unused bytes counts too.
            const auto agreed = [this](const QByteArray& now) {
                return m_keptEntry.isEmpty() || now == m_keptEntry ||
                       Messages::question(this, QStringLiteral("Attenzione: la voce di costo è stata modificata da "
                                                               "un'altra postazione dopo che è stata aperta.\n\r"
                                                               "Sovrascriverla con i dati mostrati?"));
            };
            if (!file.records().overwriteConfirmed(position - 1, bytes, agreed))
                return;
        } else {
            position = file.append(entry);
        }
        file.close();
    } catch (const FileAccessError&) {
        Messages::warning(this, ArchiveMessages::accessFailure());
        return;
    }
    panCosti->lblPosizione->setText(QString::number(position));
    m_keptEntry = bytes;
    Messages::information(this, stored.isEmpty()
                                    ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                    : QStringLiteral("Le modifiche apportate alla scheda corrente sono state "
                                                     "salvate in archivio."));
}

void TfrmAllegaExcel::btnStampaClick()
{
    QStringList lines = panContainer->lstRecords->lines();
    lines.append(QString(26, QLatin1Char('-')));
    lines.append(QStringLiteral("TOTALE COSTI:      ") + StoredText::trimmed(panContainer->lblTotale->text()));
    StampaRiepilogo(this, QStringLiteral("Riepilogo costi sostenuti per ") + vehicleTitle(), lines);
}

void TfrmAllegaExcel::btnElencoClick()
{
    panContainer->find->forget();
    panContainer->txtTrova->clear();
    m_panels->setCurrentWidget(panContainer);
    loadList();
}

void TfrmAllegaExcel::btnChiudiClick()
{
    close();
}

void TfrmAllegaExcel::impDataClick()
{
    panCosti->txtData->setText(ProcessFormats::formatDate(Platform::instance().today()));
}

bool TfrmAllegaExcel::txtImportoExit()
{
    // The idle colour comes back with the focus style; the text becomes amount text.
    QLineEdit* txtImporto = panCosti->txtImporto;
    const QString typed = txtImporto->text();
    const bool refused = !StoredText::trimmed(typed).isEmpty() && !Amount::read(typed);
    if (refused && !m_refusingAmount) {
        // The box that a message takes the focus from is left again: one message only.
        m_refusingAmount = true;
        Messages::warning(
            this, QStringLiteral("Attenzione: l'importo «%1» non è un numero e non è stato accettato.").arg(typed));
        m_refusingAmount = false;
        txtImporto->setText(subFormattaImporto(typed));
        txtImporto->setFocus(Qt::OtherFocusReason);
        return false;
    }
    txtImporto->setText(subFormattaImporto(txtImporto->text()));
    return !refused;
}

bool TfrmAllegaExcel::txtImportoKeyDown(int key, const QString& character)
{
    if (isEnter(key)) {
        if (txtImportoExit())
            panCosti->txtData->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right)
        return false;
    const bool accepted =
        character.size() == 1 && (character == QLatin1String(",") || (character[0] >= u'0' && character[0] <= u'9'));
    return !accepted;
}
