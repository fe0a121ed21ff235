#include "search/TfrmTrovaAutomezzi.h"

#include "archive/StoredText.h"
#include "archive/VehicleArchive.h"
#include "companion/CardAccess.h"
#include "platform/Platform.h"
#include "printing/StampaRiepilogo.h"
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

namespace {

const WindowFrame Frame = WindowFrame::fixed("frmTrovaAutomezzi", " Trova schede veicoli in archivio", {920, 600})
                              .gradient(QColor(0x79, 0xA6, 0xCB), Qt::white)
                              .container({900, 580})
                              .withoutTitleBarButtons()
                              .withProcessFormats();

const QColor DarkCyan(0x00, 0x8B, 0x8B);
const QColor Crimson(0xDC, 0x14, 0x3C);

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

TfrmTrovaAutomezzi::TfrmTrovaAutomezzi(QWidget* parent) : QDialog(parent)
{
    panContainer = buildFrame(this, Frame);
    buildResultPanel(panContainer);
    panContainer->hide();

    // The criteria panel lies on the page in the result panel's place and follows it there.
    panAvvio = Controls::panel(panContainer->parentWidget(), "panAvvio", Frame.panel);
    panContainer->installEventFilter(this);
    buildCriteriaPanel(panAvvio);
}

void TfrmTrovaAutomezzi::buildCriteriaPanel(QWidget* panel)
{
    const Controls::Picture pictures[] = {
        {"imgIstruzioni", {20, 12, 860, 72}},
        {"imgCerca", {20, 104, 160, 300}},
    };
    Controls::pictures(panel, pictures);

    const QFont captionFont = Fonts::font(QStringLiteral("Verdana"), 10, true);
    const QFont boxFont = Fonts::font(QStringLiteral("Verdana"), 12, true);
    QList<QWidget*> ring;
    for (int row = 0; row < VehicleSearch::CriterionCount; ++row) {
        const CriterionBox& criterion = CriterionBoxes[static_cast<size_t>(row)];
        const QPoint captionAt(ColumnLefts[row % 2], FirstCaptionTop + (row / 2) * RowPitch);
        Controls::label(panel, QByteArray("lbl").append(criterion.name + 3).constData(), captionAt,
                        QString::fromUtf8(criterion.caption), captionFont);
        QLineEdit* box =
            Controls::editBox(panel, criterion.name, {captionAt + QPoint(0, CaptionToBox), BoxSize}, 32767, boxFont);
        FocusHighlight::rectangle(box, criterion.highlight);
        m_criteria[static_cast<size_t>(row)] = box;
        ring.append(box);
    }
    new EnterRing(ring);
    for (int i = 0; i + 1 < ring.size(); ++i)
        setTabOrder(ring[i], ring[i + 1]);

    lblAttendere =
        Controls::label(panel, "lblAttendere", {200, 440}, QStringLiteral("Ricerca schede in corso. Attendere..."),
                        Fonts::font(QStringLiteral("Verdana"), 12, true), DarkCyan);
    lblAttendere->hide();

    const QFont buttonFont = Fonts::font(QStringLiteral("Verdana"), 10);
    const Controls::PushButton<TfrmTrovaAutomezzi> buttons[] = {
        {"btnCerca", {760, 520, 120, 36}, "Cerca", &TfrmTrovaAutomezzi::btnCercaClick},
        {"btnAnnulla", {630, 520, 120, 36}, "Chiudi", &TfrmTrovaAutomezzi::btnAnnullaClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panel, buttons, buttonFont);
    connect(made["btnCerca"], &QPushButton::pressed, this, &TfrmTrovaAutomezzi::btnCercaMouseDown);
    Controls::tabChain(QList<QWidget*>{ring.last()} + made.inRowOrder());

    lblConta = Controls::label(panel, "lblConta", {20, 520}, QStringLiteral("0"), buttonFont);
    lblConta->hide();
    lblMemory = Controls::label(panel, "lblMemory", {20, 540}, QString(), buttonFont);
    lblMemory->hide();
}

void TfrmTrovaAutomezzi::buildResultPanel(QWidget* panel)
{
    const Controls::Picture pictures[] = {
        {"imgBanner", {20, 12, 860, 60}},
        {"imgStriscia", {20, 80, 860, 28}},
        {"imgLente", {20, 118, 32, 32}},
    };
    Controls::pictures(panel, pictures);

    txtTrova = Controls::editBox(panel, "txtTrova", {60, 122, 320, 24}, 32767,
                                 Fonts::font(QStringLiteral("Verdana"), 12, true));
    const QFont buttonFont = Fonts::font(QStringLiteral("Verdana"), 10);
    auto* btnTrova = Controls::pushButton(panel, "btnTrova", {390, 120, 100, 28}, QStringLiteral("Trova"), buttonFont);

    lstRecords = new LineList(panel);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(20, 158, 860, 330);
    lstRecords->viewport()->installEventFilter(this);
    m_find = new FindInList(txtTrova, btnTrova, lstRecords);

    Controls::label(panel, "lblRigo03", {20, 496},
                    QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
                    Fonts::font(QStringLiteral("Verdana"), 10, true), Crimson);
    lblTrovate =
        Controls::label(panel, "lblTrovate", {20, 520}, QStringLiteral("Il presente riepilogo contiene 0 schede"),
                        Fonts::font(QStringLiteral("Verdana"), 10, true), DarkCyan);
    lblTrovate->setFixedWidth(480);

    const Controls::PushButton<TfrmTrovaAutomezzi> buttons[] = {
        {"btnStampa", {630, 520, 120, 36}, "Stampa", &TfrmTrovaAutomezzi::btnStampaClick},
        {"btnChiudi", {760, 520, 120, 36}, "Chiudi", &TfrmTrovaAutomezzi::btnChiudiClick},
    };
    const Controls::Buttons made = Controls::pushButtons(this, panel, buttons, buttonFont);
    Controls::tabChain(QList<QWidget*>{txtTrova, btnTrova, lstRecords} + made.inRowOrder());
}

void TfrmTrovaAutomezzi::setTag(const QString& tag)
{
    lblMemory->setText(tag);
}

VehicleSearch::Criteria TfrmTrovaAutomezzi::criteria() const
{
    VehicleSearch::Criteria typed;
    for (size_t i = 0; i < typed.size(); ++i)
        typed[i] = m_criteria[i]->text();
    return typed;
}

void TfrmTrovaAutomezzi::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The page has placed the result panel by now, hidden or not.
    panAvvio->setGeometry(panContainer->geometry());
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* shown = screen())
            move(shown->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void TfrmTrovaAutomezzi::FormShow()
{
    m_find->forget();
    txtTrova->clear();
    if (panAvvio->isVisible())
        m_criteria[0]->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaAutomezzi::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmTrovaAutomezzi::FormClose()
{
    lstRecords->clear();
    lblAttendere->hide();
}

bool TfrmTrovaAutomezzi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panContainer && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        panAvvio->setGeometry(panContainer->geometry());
    else if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        lstRecordsDblClick();
    return QDialog::eventFilter(watched, event);
}

void TfrmTrovaAutomezzi::btnCercaMouseDown()
{
    lblAttendere->show();
}

void TfrmTrovaAutomezzi::btnCercaClick()
{
    // Shown before the scan also when the button is worked from the keyboard.
    lblAttendere->show();
    lblAttendere->repaint();

    const VehicleSearch::Criteria typed = criteria();
    lblConta->setText(QString::number(VehicleSearch::givenCount(typed)));
    lstRecords->clear();
    const VehicleSearch::Result found = VehicleSearch::search(Platform::instance().programFolder(), typed);
    if (found.failed) {
        // The criteria stay for another try; the waiting text would now say the wrong thing.
        lblAttendere->hide();
        Messages::plain(this, ArchiveMessages::accessFailure());
        return;
    }
    lstRecords->setLines(found.lines);
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede").arg(found.lines.size()));

    panContainer->show();
    panAvvio->hide();
    txtTrova->clear();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void TfrmTrovaAutomezzi::btnAnnullaClick()
{
    reject();
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
    StampaRiepilogo(this, ListTitle, lstRecords->lines());
}

void TfrmTrovaAutomezzi::lstRecordsDblClick()
{
    // Any failure closes the window without a message.
    try {
        const int row = lstRecords->selectedRow();
        if (row >= 0 && m_card && StoredText::trimmed(lblMemory->text()) == QLatin1String("autoparco")) {
            const VehicleSearch::Recalled recalled =
                VehicleSearch::recall(Platform::instance().programFolder(), lstRecords->line(row));
            if (recalled.position > 0)
                m_card->subMostraScheda(recalled.vehicle, recalled.position);
        }
    } catch (...) {
    }
    accept();
}
