// The card's controls, placed as fixed-position children of panContainer.
#include "card/Placeholder.h"
#include "card/TfrmAutoparco.h"

#include "widgets/ArtworkImage.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/GradientPage.h"
#include "widgets/InfoLine.h"
#include "widgets/PhotoView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor CardBlue(0x42, 0x7A, 0xA8);
const QColor SteelBlue(0x46, 0x82, 0xB4);
const QColor SectionFill(0xC8, 0xD6, 0xE3);
const QColor LightPanel(0xE0, 0xE9, 0xF1);
const QColor InfoBlue(0x30, 0x30, 0xDD);
const QColor DueDateBrown(0xA5, 0x2A, 0x2A);

// One edit box per record field 1 to 32, in stored order, which is also the tab order.
struct EditPlace {
    int left, top, width;
    const char* caption;
    int maxLength;
    bool readOnly;
    bool dueDate;
};

// txtTelaio accepts 10 characters, the capacity of its field, so that a chassis
// number is never cut without a word on saving.
const std::array<EditPlace, TSchedaVeicolo::EditFieldCount> EditPlaces = {{
    {364, 164, 240, "Tipo veicolo:", 50, false, false},
    {610, 164, 354, "Destinazione ed uso:", 50, false, false},
    {364, 212, 240, "Marca:", 50, false, false},
    {610, 212, 354, "Modello:", 50, false, false},
    {364, 260, 100, "Targa:", 12, false, false},
    {472, 260, 132, "Immatricolazione:", 20, false, false},
    {610, 260, 354, "Colore:", 50, false, false},
    {364, 308, 240, "Telaio:", 10, false, false},
    {610, 308, 354, "Pneumatici:", 120, false, false},
    {364, 356, 240, "Stato veicolo:", 50, false, false},
    {610, 356, 216, "Chilometri percorsi:", 50, false, false},
    {832, 356, 132, "Data lettura:", 10, true, false},
    {364, 404, 240, "Alimentazione:", 50, false, false},
    {610, 404, 174, "Cilindrata:", 50, false, false},
    {790, 404, 174, "kW:", 50, false, false},
    {364, 452, 240, "Compatibilità ambientale:", 50, false, false},
    {610, 452, 174, "Numero posti:", 50, false, false},
    {790, 452, 174, "Portata massima:", 50, false, false},
    {364, 500, 240, "Compagnia assicurativa:", 120, false, false},
    {610, 500, 174, "Tel. assicuratore:", 50, false, false},
    {790, 500, 174, "Importo polizza:", 50, false, false},
    {364, 548, 297, "Incidenti subiti:", 250, false, false},
    {667, 548, 297, "Proprietario:", 50, false, false},
    {40, 392, 148, "Autista:", 50, false, false},
    {196, 392, 148, "Telefono:", 50, false, false},
    {40, 440, 148, "Meccanico:", 50, false, false},
    {196, 440, 148, "Telefono:", 50, false, false},
    {40, 488, 148, "Scad. revisione:", 10, true, true},
    {196, 488, 148, "Scad. tagliando:", 10, true, true},
    {40, 536, 148, "Scad. assicurazione:", 10, true, true},
    {196, 536, 148, "Scad. bollo:", 10, true, true},
    {85, 587, 656, "Note:", 250, false, false},
}};
constexpr int NoteField = 31;
const QPoint NoteCaptionPlace(40, 590);

struct ButtonPlace {
    const char* name;
    QRect place;
    const char* sentence;
};

QRect toolbarIcon(int left)
{
    return {left, 26, 37, 39};
}

const ButtonPlace ButtonPlaces[] = {
    {"cmdNuovo", toolbarIcon(24), "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", toolbarIcon(64),
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", toolbarIcon(104), "Salva la scheda in archivio."},
    {"cmdTrova", toolbarIcon(144), "Trova una scheda in archivio."},
    {"cmdFile", toolbarIcon(184), "Allega file alla scheda."},
    {"cmdAnteprima", {238, 28, 148, 32}, "Visualizza l'anteprima di stampa della scheda."},
    {"cmdStampa", {405, 28, 148, 32}, "Stampa la scheda."},
    {"cmdPrimo", toolbarIcon(572), "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", toolbarIcon(614), "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", toolbarIcon(700), "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", toolbarIcon(742), "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", toolbarIcon(797), "Esporta archivio in Excel."},
    {"cmdSlideshow", toolbarIcon(837), "Esegui lo slide show del parco automezzi."},
    {"cmdGuida", toolbarIcon(894), "Visualizza la guida in linea."},
    {"cmdEsci", toolbarIcon(936), "Esci da questa schermata."},
    {"btnCosti", {766, 580, 197, 40}, "Gestisci i costi sostenuti per il veicolo."},
    {"btnCaricaFoto", {38, 300, 157, 40}, "Carica una foto."},
    {"btnSalvaFoto", {204, 300, 42, 40}, "Salva la foto su disco."},
    {"btnCancFoto", {254, 300, 42, 40}, "Cancella la foto."},
    {"btnZoomFoto", {304, 300, 42, 40}, "Visualizza la foto nelle sue dimensioni reali."},
};

// Rectangles over which the mouse empties the information line, besides the window,
// its page and panContainer.
const char* const BackgroundNames[] = {"shpContainer",    "shpEsci",    "shpRiepiloghi", "shpRecord",
                                       "shpAnteprima",    "shpStampa",  "shpNuovo",      "shpSezione01",
                                       "shpSfondo",       "shpFoto",    "imgFoto",       "bkgPulsantiFoto",
                                       "icoIntestazione", "bkgDetails", "bkgNotes"};

} // namespace

void TfrmAutoparco::buildControls()
{
    auto* page = new GradientPage(CardBlue, Qt::white, this);
    page->fill(this);
    QWidget* panContainer = Controls::panel(page, "panContainer", {996, 692});
    page->setPanel(panContainer);

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

    // Edit boxes and their captions, in tab order.
    const QFont editFont = Fonts::font(QStringLiteral("Verdana"), 12, true);
    const QFont captionFont = Fonts::font(QStringLiteral("Verdana"), 8);
    const auto& fields = TSchedaVeicolo::fields();
    QWidget* previous = nullptr;
    for (int i = 0; i < TSchedaVeicolo::EditFieldCount; ++i) {
        const EditPlace& place = EditPlaces[i];
        const QByteArray name = QByteArray("txt") + fields[i].name;
        QLineEdit* box = Controls::editBox(panContainer, name.constData(), {place.left, place.top, place.width, 22},
                                           place.maxLength, editFont);
        box->setReadOnly(place.readOnly);
        const QPoint captionPlace = i == NoteField ? NoteCaptionPlace : QPoint(place.left, place.top - 18);
        const QByteArray captionName = QByteArray("lblTitolo") + fields[i].name;
        Controls::label(panContainer, captionName.constData(), captionPlace, QString::fromUtf8(place.caption),
                        captionFont, place.dueDate ? DueDateBrown : QColor(Qt::black));
        if (previous)
            setTabOrder(previous, box);
        previous = box;
        m_editBoxes[i] = box;
    }
    setTabOrder(previous, btnFocus);

    // Hidden attachment labels (fields 33 to 38).
    for (int i = TSchedaVeicolo::EditFieldCount; i < TSchedaVeicolo::FieldCount; ++i) {
        auto* hidden = new QLabel(panContainer);
        hidden->setObjectName(QStringLiteral("lbl") + QLatin1String(fields[i].name));
        hidden->hide();
        m_attachmentLabels[i - TSchedaVeicolo::EditFieldCount] = hidden;
    }

    lblPosizione = new QLabel(panContainer);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setGeometry(650, 34, 50, 24);
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Fonts::font(QStringLiteral("Verdana"), 12, true));

    Controls::shape(panContainer, "shpInfo", {16, 642, 962, 32}, InfoBlue, InfoBlue);
    panInfo =
        Controls::label(panContainer, "panInfo", {22, 650}, QStringLiteral("Pronto per registrare una nuova scheda..."),
                        Fonts::font(QStringLiteral("Tahoma"), 12), Qt::white);
    panInfo->setFixedWidth(950);

    for (const ButtonPlace& button : ButtonPlaces)
        Controls::picture(panContainer, button.name, button.place, true);
}

void TfrmAutoparco::buildInfoLine()
{
    m_infoLine = new InfoLine(panInfo, this);
    for (const ButtonPlace& button : ButtonPlaces)
        m_infoLine->addButton(findChild<QWidget*>(QLatin1String(button.name)), QString::fromUtf8(button.sentence));
    auto* page = findChild<GradientPage*>();
    m_infoLine->addBackground(this);
    m_infoLine->addBackground(page);
    m_infoLine->addBackground(page->panel());
    for (const char* name : BackgroundNames)
        m_infoLine->addBackground(findChild<QWidget*>(QLatin1String(name)));
    m_infoLine->finish(this);
}
