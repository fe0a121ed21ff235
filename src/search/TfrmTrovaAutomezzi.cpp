#include "search/TfrmTrovaAutomezzi.h"

#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "companion/CardAccess.h"
#include "platform/Platform.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/EnterRing.h"
#include "widgets/FindInList.h"
#include "widgets/FocusHighlight.h"
#include "widgets/Fonts.h"
#include "widgets/LineList.h"
#include "widgets/WindowFrame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmTrovaAutomezzi", " Trova schede veicoli in archivio", {920, 600})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({900, 580})
                              .withoutTitleBarButtons()
                              .withProcessFormats();

// The criteria stand in two columns of five: even rows on the left, odd ones on the right.
constexpr int ColumnLefts[] = {200, 560};
constexpr int FirstCaptionTop = 104;
constexpr int RowPitch = 64;
constexpr int CaptionToBox = 20;
constexpr QSize BoxSize(320, 22);

const QString ListTitle = QStringLiteral("Riepilogo schede veicoli in archivio");

} // namespace

// The criteria are tested in the order of the rows.
static_assert([] {
    for (size_t i = 0; i < VehicleSearch::CriterionCount; ++i) {
        if (TfrmTrovaAutomezzi::CriterionBoxes[i].field != VehicleSearch::CriterionFields[i])
            return false;
    }
    return true;
}());

// The criteria panel panAvvio: ten boxes in two columns, the waiting text and Cerca.
class TfrmTrovaAutomezzi::CriteriaPanel final : public QWidget {
public:
    CriteriaPanel(TfrmTrovaAutomezzi& window, QWidget* stack);

    std::array<QLineEdit*, VehicleSearch::CriterionCount> criteria{};
    QLabel* lblAttendere = nullptr;
    QLabel* lblConta = nullptr;
    QLabel* lblMemory = nullptr;
};

// The result panel panContainer: the found lines, "Trova", Stampa and Chiudi.
class TfrmTrovaAutomezzi::ResultPanel final : public QWidget {
public:
    ResultPanel(TfrmTrovaAutomezzi& window, QWidget* stack);

    QLineEdit* txtTrova = nullptr;
    LineList* lstRecords = nullptr;
    QLabel* lblTrovate = nullptr;
    FindInList* find = nullptr;
};

TfrmTrovaAutomezzi::CriteriaPanel::CriteriaPanel(TfrmTrovaAutomezzi& window, QWidget* stack) : QWidget(stack)
{
    setObjectName(QStringLiteral("panAvvio"));
    const Controls::Picture pictures[] = {
        {"imgIstruzioni", {20, 12, 860, 72}},
        {"imgCerca", {20, 104, 160, 300}},
    };
    Controls::pictures(this, pictures);

    const QFont captionFont = Fonts::font(QStringLiteral("Verdana"), 10, true);
    const QFont boxFont = Fonts::font(QStringLiteral("Verdana"), 12, true);
    QList<QWidget*> ring;
    for (int row = 0; row < VehicleSearch::CriterionCount; ++row) {
        const CriterionBox& criterion = CriterionBoxes[static_cast<size_t>(row)];
        const QPoint captionAt(ColumnLefts[row % 2], FirstCaptionTop + (row / 2) * RowPitch);
        Controls::label(this, QByteArray("lbl").append(criterion.name + 3).constData(), captionAt,
                        QString::fromUtf8(criterion.caption), captionFont);
        QLineEdit* box =
            Controls::editBox(this, criterion.name, {captionAt + QPoint(0, CaptionToBox), BoxSize}, 32767, boxFont);
        FocusHighlight::rectangle(box, criterion.highlight);
        criteria[static_cast<size_t>(row)] = box;
        ring.append(box);
    }
    new EnterRing(ring);

    lblAttendere =
        Controls::label(this, "lblAttendere", {200, 440}, QStringLiteral("Ricerca schede in corso. Attendere..."),
                        Fonts::font(QStringLiteral("Verdana"), 12, true), Colours::DarkCyan);
    lblAttendere->hide();

    const QFont buttonFont = Fonts::font(QStringLiteral("Verdana"), 10);
    const Controls::PushButton<TfrmTrovaAutomezzi> buttons[] = {
        {"btnCerca", {760, 520, 120, 36}, "Cerca", &TfrmTrovaAutomezzi::btnCercaClick},
        {"btnAnnulla", {630, 520, 120, 36}, "Chiudi", &TfrmTrovaAutomezzi::btnChiudiClick},
    };
    const Controls::Buttons made = Controls::pushButtons(&window, this, buttons, buttonFont);
    connect(made["btnCerca"], &QPushButton::pressed, &window, &TfrmTrovaAutomezzi::btnCercaMouseDown);
    Controls::tabChain(ring + made.inRowOrder());

    lblConta = Controls::label(this, "lblConta", {20, 520}, QStringLiteral("0"), buttonFont);
    lblConta->hide();
    lblMemory = Controls::label(this, "lblMemory", {20, 540}, QString(), buttonFont);
    lblMemory->hide();
}

TfrmTrovaAutomezzi::ResultPanel::ResultPanel(TfrmTrovaAutomezzi& window, QWidget* stack) : QWidget(stack)
{
    setObjectName(QStringLiteral("panContainer"));
    const Controls::Picture pictures[] = {
        {"imgBanner", {20, 12, 860, 60}},
        {"imgStriscia", {20, 80, 860, 28}},
        {"imgLente", {20, 118, 32, 32}},
    };
    Controls::pictures(this, pictures);

    txtTrova = Controls::editBox(this, "txtTrova", {60, 122, 320, 24}, 32767,
                                 Fonts::font(QStringLiteral("Verdana"), 12, true));
    const QFont buttonFont = Fonts::font(QStringLiteral("Verdana"), 10);
    auto* btnTrova = Controls::pushButton(this, "btnTrova", {390, 120, 100, 28}, QStringLiteral("Trova"), buttonFont);

    lstRecords = new LineList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(20, 158, 860, 330);
    lstRecords->viewport()->installEventFilter(&window);
    find = new FindInList(txtTrova, btnTrova, lstRecords);

    Controls::label(this, "lblRigo03", {20, 496},
                    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
                    Fonts::font(QStringLiteral("Verdana"), 10, true), Colours::Crimson);
    lblTrovate =
        Controls::label(this, "lblTrovate", {20, 520}, QStringLiteral("Il presente riepilogo contiene 0 schede"),
                        Fonts::font(QStringLiteral("Verdana"), 10, true), Colours::DarkCyan);
    lblTrovate->setFixedWidth(480);

    const Controls::PushButton<TfrmTrovaAutomezzi> buttons[] = {
        {"btnStampa", {630, 520, 120, 36}, "Stampa", &TfrmTrovaAutomezzi::btnStampaClick},
        {"btnChiudi", {760, 520, 120, 36}, "Chiudi", &TfrmTrovaAutomezzi::btnChiudiClick},
    };
    const Controls::Buttons made = Controls::pushButtons(&window, this, buttons, buttonFont);
    Controls::tabChain(QList<QWidget*>{txtTrova, btnTrova, lstRecords} + made.inRowOrder());
}

// The two panels lie in one place: the criteria first, then, once searched, the results.
TfrmTrovaAutomezzi::TfrmTrovaAutomezzi(QWidget* parent) : QDialog(parent)
{
    m_panels = buildStackedFrame(this, Frame);
    // Made on the stack, so that their pictures are looked up under the window's name.
    panContainer = new ResultPanel(*this, m_panels);
    panAvvio = new CriteriaPanel(*this, m_panels);
    m_panels->addWidget(panAvvio);
    m_panels->addWidget(panContainer);
}

TfrmTrovaAutomezzi::~TfrmTrovaAutomezzi() = default;

void TfrmTrovaAutomezzi::setTag(const QString& tag)
{
    panAvvio->lblMemory->setText(tag);
}

VehicleSearch::Criteria TfrmTrovaAutomezzi::criteria() const
{
    VehicleSearch::Criteria typed;
    for (size_t i = 0; i < typed.size(); ++i)
        typed[i] = panAvvio->criteria[i]->text();
    return typed;
}

void TfrmTrovaAutomezzi::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* shown = screen())
            move(shown->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void TfrmTrovaAutomezzi::FormShow()
{
    panContainer->find->forget();
    panContainer->txtTrova->clear();
    if (panAvvio->isVisible())
        panAvvio->criteria[0]->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaAutomezzi::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmTrovaAutomezzi::FormClose()
{
    panContainer->lstRecords->clear();
    panAvvio->lblAttendere->hide();
}

bool TfrmTrovaAutomezzi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panContainer->lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        lstRecordsDblClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmTrovaAutomezzi::btnCercaMouseDown()
{
    panAvvio->lblAttendere->show();
}

void TfrmTrovaAutomezzi::btnCercaClick()
{
    // Shown before the scan also when the button is worked from the keyboard.
    QLabel* lblAttendere = panAvvio->lblAttendere;
    lblAttendere->show();
    lblAttendere->repaint();

    const VehicleSearch::Criteria typed = criteria();
    panAvvio->lblConta->setText(QString::number(VehicleSearch::givenCount(typed)));
    LineList* lstRecords = panContainer->lstRecords;
    lstRecords->clear();
    const VehicleSearch::Result found = VehicleSearch::search(Platform::instance().programFolder(), typed);
    if (found.failed) {
        // The criteria stay for another try; the waiting text would now say the wrong thing.
        lblAttendere->hide();
        Messages::plain(this, ArchiveMessages::accessFailure());
        return;
    }
    lstRecords->setLines(found.lines);
    panContainer->lblTrovate->setText(
        QStringLiteral("Il presente riepilogo contiene %1 schede").arg(found.lines.size()));

    m_panels->setCurrentWidget(panContainer);
    panContainer->txtTrova->clear();
    panContainer->txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaAutomezzi::setCard(CardAccess* card)
{
    m_card = card;
}

void TfrmTrovaAutomezzi::btnChiudiClick()
{
    reject();
}

void TfrmTrovaAutomezzi::btnStampaClick()
{
    StampaRiepilogo(this, ListTitle, panContainer->lstRecords->lines());
}

void TfrmTrovaAutomezzi::lstRecordsDblClick()
{
    // Any failure closes the window without a message.
    try {
        const LineList* lstRecords = panContainer->lstRecords;
        const int row = lstRecords->selectedRow();
        // The card's unsaved edits are offered for saving before the recall reads the archive.
        if (row >= 0 && m_card && StoredText::trimmed(panAvvio->lblMemory->text()) == QLatin1String("autoparco") &&
            m_card->offerToSaveEdits()) {
            const VehicleSearch::Recalled recalled =
                VehicleSearch::recall(Platform::instance().programFolder(), lstRecords->line(row));
            if (recalled.position > 0)
                m_card->subMostraScheda(recalled.vehicle, recalled.position, recalled.stored);
        }
    } catch (...) {
    }
    accept();
}
