// The card's controls, placed as fixed-position children of panContainer.
#include "card/TfrmAutoparco.h"

#include "archive/FieldIndex.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Fonts.h"
#include "widgets/GradientPage.h"
#include "widgets/InfoLine.h"
#include "widgets/PhotoView.h"
#include "widgets/Placeholder.h"
#include "widgets/WindowFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <iterator>

namespace {

const QColor CardBlue(0x42, 0x7A, 0xA8);
const WindowFrame Frame = WindowFrame::maximised("frmAutoparco", " Corvanta - Parco Automezzi", {1016, 713})
                              .gradient(CardBlue, Qt::white)
                              .container({996, 692})
                              .withProcessFormats();

using Colours::SteelBlue;
const QColor SectionFill(0xC8, 0xD6, 0xE3);
const QColor LightPanel(0xE0, 0xE9, 0xF1);
const QColor InfoBlue(0x30, 0x30, 0xDD);
const QColor DueDateBrown(0xA5, 0x2A, 0x2A);

using V = TSchedaVeicolo;

enum class EditLook {
    Text,    // caption above
    Date,    // read-only, caption above
    DueDate, // read-only, brown caption above
    Notes,   // caption to the left
};

// The idle fill of a box: white on the light panels, alice blue elsewhere.
enum class Idle { AliceBlue, White };

// One edit box per shown field, in tab order, which is also the Enter ring. Length limits
// are the fields' capacities, so that nothing typed is ever cut without a word on saving.
struct EditRow {
    QString TSchedaVeicolo::*member;
    int left, top, width;
    const char* caption;
    EditLook look;
    Idle idle;
};

const EditRow EditRows[] = {
    {&V::Tipo, 364, 164, 240, "Tipo veicolo:", EditLook::Text, Idle::AliceBlue},
    {&V::Destinazione, 610, 164, 354, "Destinazione ed uso:", EditLook::Text, Idle::AliceBlue},
    {&V::Marca, 364, 212, 240, "Marca:", EditLook::Text, Idle::AliceBlue},
    {&V::Modello, 610, 212, 354, "Modello:", EditLook::Text, Idle::AliceBlue},
    {&V::Targa, 364, 260, 100, "Targa:", EditLook::Text, Idle::AliceBlue},
    {&V::Anno, 472, 260, 132, "Immatricolazione:", EditLook::Text, Idle::AliceBlue},
    {&V::Colore, 610, 260, 354, "Colore:", EditLook::Text, Idle::AliceBlue},
    {&V::Telaio, 364, 308, 240, "Telaio:", EditLook::Text, Idle::AliceBlue},
    {&V::Pneumatici, 610, 308, 354, "Pneumatici:", EditLook::Text, Idle::AliceBlue},
    {&V::Stato, 364, 356, 240, "Stato veicolo:", EditLook::Text, Idle::AliceBlue},
    {&V::Chilometri, 610, 356, 216, "Chilometri percorsi:", EditLook::Text, Idle::AliceBlue},
    {&V::Lettura, 832, 356, 132, "Data lettura:", EditLook::Date, Idle::AliceBlue},
    {&V::Alimentazione, 364, 404, 240, "Alimentazione:", EditLook::Text, Idle::AliceBlue},
    {&V::Cilindrata, 610, 404, 174, "Cilindrata:", EditLook::Text, Idle::AliceBlue},
    {&V::KW, 790, 404, 174, "kW:", EditLook::Text, Idle::AliceBlue},
    {&V::Ambiente, 364, 452, 240, "Compatibilità ambientale:", EditLook::Text, Idle::AliceBlue},
    {&V::Posti, 610, 452, 174, "Numero posti:", EditLook::Text, Idle::AliceBlue},
    {&V::Portata, 790, 452, 174, "Portata massima:", EditLook::Text, Idle::AliceBlue},
    {&V::Compagnia, 364, 500, 240, "Compagnia assicurativa:", EditLook::Text, Idle::AliceBlue},
    {&V::TelAssicuratore, 610, 500, 174, "Tel. assicuratore:", EditLook::Text, Idle::AliceBlue},
    {&V::Polizza, 790, 500, 174, "Importo polizza:", EditLook::Text, Idle::AliceBlue},
    {&V::Incidenti, 364, 548, 297, "Incidenti subiti:", EditLook::Text, Idle::AliceBlue},
    {&V::Proprietario, 667, 548, 297, "Proprietario:", EditLook::Text, Idle::AliceBlue},
    {&V::Autista, 40, 392, 148, "Autista:", EditLook::Text, Idle::White},
    {&V::TelAutista, 196, 392, 148, "Telefono:", EditLook::Text, Idle::White},
    {&V::Meccanico, 40, 440, 148, "Meccanico:", EditLook::Text, Idle::White},
    {&V::TelMeccanico, 196, 440, 148, "Telefono:", EditLook::Text, Idle::White},
    {&V::ScadRevisione, 40, 488, 148, "Scad. revisione:", EditLook::DueDate, Idle::White},
    {&V::ScadTagliando, 196, 488, 148, "Scad. tagliando:", EditLook::DueDate, Idle::White},
    {&V::ScadAssicurazione, 40, 536, 148, "Scad. assicurazione:", EditLook::DueDate, Idle::White},
    {&V::ScadBollo, 196, 536, 148, "Scad. bollo:", EditLook::DueDate, Idle::White},
    {&V::Note, 85, 587, 656, "Note:", EditLook::Notes, Idle::White},
};
constexpr int NotesCaptionLeft = 40;

// The attached files and their descriptions live in hidden labels.
QString TSchedaVeicolo::*const HiddenFields[] = {&V::File01, &V::File02, &V::File03,
                                                 &V::Desc01, &V::Desc02, &V::Desc03};
static_assert(std::size(EditRows) + std::size(HiddenFields) == TSchedaVeicolo::FieldCount,
              "every field of the record has its control on the card");

QPoint captionPlace(const EditRow& row)
{
    return row.look == EditLook::Notes ? QPoint(NotesCaptionLeft, row.top + 3) : QPoint(row.left, row.top - 18);
}

QRect toolbarIcon(int left)
{
    return {left, 26, 37, 39};
}

// Rectangles over which the mouse empties the information line, besides the window,
// its page and panContainer.
const char* const BackgroundNames[] = {"shpContainer",    "shpEsci",    "shpRiepiloghi", "shpRecord",
                                       "shpAnteprima",    "shpStampa",  "shpNuovo",      "shpSezione01",
                                       "shpSfondo",       "shpFoto",    "imgFoto",       "bkgPulsantiFoto",
                                       "icoIntestazione", "bkgDetails", "bkgNotes"};

} // namespace

TfrmAutoparco::TfrmAutoparco(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    buildBackground(panContainer);
    buildEditBoxes(panContainer);
    buildToolbarAndInfoLine(panContainer);
}

void TfrmAutoparco::buildBackground(QWidget* panContainer)
{
    Controls::gradientShape(panContainer, "shpContainer", {8, 8, 978, 675}, ShapeRect::Gradient::Vertical, CardBlue,
                            Qt::white)
        ->setBorder(Qt::white);

    // The button groups of the top bar.
    const struct {
        const char* name;
        int left, width;
    } groups[] = {{"shpNuovo", 16, 210},   {"shpStampa", 231, 162},    {"shpAnteprima", 398, 162},
                  {"shpRecord", 565, 219}, {"shpRiepiloghi", 789, 92}, {"shpEsci", 886, 92}};
    for (const auto& group : groups)
        Controls::shape(panContainer, group.name, {group.left, 16, group.width, 57}, Qt::white, Qt::white);

    // btnFocus takes the keyboard focus while saving; it sits behind the information line.
    btnFocus = new QPushButton(panContainer);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setGeometry(536, 648, 25, 20);

    Controls::shape(panContainer, "shpSezione01", {16, 80, 962, 554}, SectionFill, Qt::white);
    Controls::shape(panContainer, "shpSfondo", {24, 88, 946, 538}, Qt::white, Qt::white);

    // Photo area.
    Controls::shape(panContainer, "shpFoto", {30, 94, 324, 189}, LightPanel, LightPanel);
    imgBianco = new PhotoView(panContainer);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setGeometry(38, 102, 308, 173);
    imgBianco->setPicture(placeholderPicture());
    imgBianco->hide();
    imgFoto = new PhotoView(panContainer);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setGeometry(38, 102, 308, 173);
    imgFoto->setPicture(imgBianco->picture());
    Controls::shape(panContainer, "bkgPulsantiFoto", {30, 292, 324, 56}, LightPanel, LightPanel);

    Controls::gradientShape(panContainer, "linSeparate02", {30, 354, 324, 6}, ShapeRect::Gradient::Horizontal,
                            SteelBlue, Qt::white);
    Controls::shape(panContainer, "bkgDetails", {30, 364, 324, 206}, LightPanel, LightPanel);
    Controls::picture(panContainer, "icoIntestazione", {364, 94, 600, 32}, false);
    Controls::gradientShape(panContainer, "linSeparate01", {364, 132, 600, 6}, ShapeRect::Gradient::Horizontal,
                            SteelBlue, Qt::white);
    Controls::shape(panContainer, "bkgNotes", {30, 578, 720, 40}, LightPanel, LightPanel);
}

void TfrmAutoparco::buildEditBoxes(QWidget* panContainer)
{
    const QFont editFont = Fonts::font(QStringLiteral("Verdana"), 12, true);
    const QFont captionFont = Fonts::font(QStringLiteral("Verdana"), 8);
    const auto& fields = TSchedaVeicolo::fields();
    QList<QWidget*> tabOrder;
    for (const EditRow& row : EditRows) {
        const int position = fieldIndex(row.member);
        const QByteArray name = QByteArray("txt") + fields[position].name;
        QLineEdit* box = Controls::editBox(panContainer, name.constData(), {row.left, row.top, row.width, 22},
                                           fields[position].capacity, editFont);
        box->setReadOnly(row.look == EditLook::Date || row.look == EditLook::DueDate);
        FocusHighlight::colour(box, row.idle == Idle::White ? QColor(Qt::white) : FocusHighlight::AliceBlue);
        const QByteArray captionName = QByteArray("lblTitolo") + fields[position].name;
        Controls::label(panContainer, captionName.constData(), captionPlace(row), QString::fromUtf8(row.caption),
                        captionFont, row.look == EditLook::DueDate ? DueDateBrown : QColor(Qt::black));
        if (!tabOrder.isEmpty())
            setTabOrder(tabOrder.last(), box);
        tabOrder.append(box);
        m_boxes[position] = box;
    }
    setTabOrder(tabOrder.last(), btnFocus);
    setUpFieldBehaviour(tabOrder);

    for (QString TSchedaVeicolo::*member : HiddenFields) {
        const int position = fieldIndex(member);
        auto* hidden = new QLabel(panContainer);
        hidden->setObjectName(QStringLiteral("lbl") + QLatin1String(fields[position].name));
        hidden->hide();
        m_hiddenLabels[position] = hidden;
    }

    lblPosizione = new QLabel(panContainer);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(650, 34, 50, 24);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Fonts::font(QStringLiteral("Verdana"), 12, true));
}

void TfrmAutoparco::buildToolbarAndInfoLine(QWidget* panContainer)
{
    Controls::shape(panContainer, "shpInfo", {16, 642, 962, 32}, InfoBlue, InfoBlue);
    QLabel* panInfo =
        Controls::label(panContainer, "panInfo", {22, 650}, QStringLiteral("Pronto per registrare una nuova scheda..."),
                        Fonts::font(QStringLiteral("Tahoma"), 12), Qt::white);
    panInfo->setFixedWidth(950);
    m_infoLine = new InfoLine(panInfo, this);

    // The toolbar, the costs button and the photo buttons, each with the handler of its click.
    const Controls::PictureButton<TfrmAutoparco> buttons[] = {
        {"cmdNuovo", toolbarIcon(24), "Prepara la schermata per l'inserimento di una nuova scheda.",
         &TfrmAutoparco::cmdNuovoClick},
        {"cmdDuplica", toolbarIcon(64),
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
         &TfrmAutoparco::cmdDuplicaClick},
        {"cmdSalva", toolbarIcon(104), "Salva la scheda in archivio.", &TfrmAutoparco::cmdSalvaClick},
        {"cmdTrova", toolbarIcon(144), "Trova una scheda in archivio.", &TfrmAutoparco::cmdTrovaClick},
        {"cmdFile", toolbarIcon(184), "Allega file alla scheda.", &TfrmAutoparco::cmdFileClick},
        {"cmdAnteprima",
         {238, 28, 148, 32},
         "Visualizza l'anteprima di stampa della scheda.",
         &TfrmAutoparco::cmdAnteprimaClick},
        {"cmdStampa", {405, 28, 148, 32}, "Stampa la scheda.", &TfrmAutoparco::cmdStampaClick},
        {"cmdPrimo", toolbarIcon(572), "Visualizza la prima scheda in archivio.", &TfrmAutoparco::cmdPrimoClick},
        {"cmdIndietro", toolbarIcon(614), "Visualizza la scheda precedente in archivio.",
         &TfrmAutoparco::cmdIndietroClick},
        {"cmdAvanti", toolbarIcon(700), "Visualizza la scheda successiva in archivio.", &TfrmAutoparco::cmdAvantiClick},
        {"cmdUltimo", toolbarIcon(742), "Visualizza l'ultima scheda in archivio.", &TfrmAutoparco::cmdUltimoClick},
        {"cmdEsporta", toolbarIcon(797), "Esporta archivio in Excel.", &TfrmAutoparco::cmdEsportaClick},
        {"cmdSlideshow", toolbarIcon(837), "Esegui lo slide show del parco automezzi.",
         &TfrmAutoparco::cmdSlideshowClick},
        {"cmdGuida", toolbarIcon(894), "Visualizza la guida in linea.", &TfrmAutoparco::cmdGuidaClick},
        {"cmdEsci", toolbarIcon(936), "Esci da questa schermata.", &TfrmAutoparco::cmdEsciClick},
        {"btnCosti", {766, 580, 197, 40}, "Gestisci i costi sostenuti per il veicolo.", &TfrmAutoparco::btnCostiClick},
        {"btnCaricaFoto", {38, 300, 157, 40}, "Carica una foto.", &TfrmAutoparco::btnCaricaFotoClick},
        {"btnSalvaFoto", {204, 300, 42, 40}, "Salva la foto su disco.", &TfrmAutoparco::btnSalvaFotoClick},
        {"btnCancFoto", {254, 300, 42, 40}, "Cancella la foto.", &TfrmAutoparco::btnCancFotoClick},
        {"btnZoomFoto",
         {304, 300, 42, 40},
         "Visualizza la foto nelle sue dimensioni reali.",
         &TfrmAutoparco::btnZoomFotoClick},
        // At the right end of the card's title band, the one free place near the toolbar.
        {"imgStorico", {930, 94, 30, 32}, "Visualizza lo storico del veicolo.", &TfrmAutoparco::imgStoricoClick},
    };
    Controls::pictureButtons(this, panContainer, buttons, m_infoLine);
    imgStorico = findChild<ArtworkImage*>(QStringLiteral("imgStorico"));
    imgStorico->setToolTip(QStringLiteral("Storico del veicolo"));
    imgStorico->setEnabled(false);

    m_infoLine->addBackground(this);
    m_infoLine->addBackground(panContainer->parentWidget());
    m_infoLine->addBackground(panContainer);
    for (const char* name : BackgroundNames)
        m_infoLine->addBackground(findChild<QWidget*>(QLatin1String(name)));
    m_infoLine->finish(this);
}
