#include "deadlines/TfrmMenuScadenze.h"

#include "deadlines/DeadlineListWindow.h"
#include "deadlines/DueDates.h"
#include "deadlines/TfrmScadenzario.h"
#include "help/HelpTopics.h"
#include "help/TfrmGuida.h"
#include "platform/Platform.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/ModalWindow.h"
#include "widgets/WindowFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>

namespace {

const QColor Blue(0x42, 0x7A, 0xA8);
const QColor BlanchedAlmond(0xFF, 0xEB, 0xCD);

const WindowFrame Frame = WindowFrame::maximised("frmMenuScadenze", " Corvanta - Scadenze Imminenti", {1016, 713})
                              .gradient(Blue, Qt::white)
                              .container({995, 692})
                              .withProcessFormats();

const Controls::Picture Pictures[] = {
    {"icoAuto", {48, 34, 150, 62}},
    {"icoTitolo", {222, 40, 711, 57}},
    {"icoScadenze", {120, 184, 382, 282}},
    {"icoIstruzioni", {112, 480, 777, 56}},
};

// The badge beside each list button: the kind it counts, its name and its button's top.
struct Badge {
    const DeadlineKind& kind;
    const char* name;
    int buttonTop;
};
const Badge Badges[] = {
    {DeadlineKinds::Revisione, "lblContaRevisione", 215},
    {DeadlineKinds::Tagliando, "lblContaTagliando", 275},
    {DeadlineKinds::Assicurazione, "lblContaAssicurazione", 335},
    {DeadlineKinds::Bollo, "lblContaBollo", 395},
};
constexpr int BadgeSize = 28;

QLabel* badge(QWidget* parent, const char* name, int buttonTop)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(805, buttonTop + (40 - BadgeSize) / 2, BadgeSize, BadgeSize);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Fonts::font(QStringLiteral("Arial"), 10, true));
    label->hide();
    return label;
}

void showCount(QLabel* badge, DueDates::DueOfKind count)
{
    badge->setVisible(count.due > 0);
    badge->setText(QString::number(count.due));
    // Red says that something is already overdue, orange that it falls due within 7 days.
    badge->setStyleSheet(QStringLiteral("QLabel { color: white; border-radius: %1px; background-color: %2; }")
                             .arg(BadgeSize / 2)
                             .arg(count.overdue > 0 ? QStringLiteral("#D32F2F") : QStringLiteral("#FF8C00")));
}

template <typename Window> void openList(QWidget* owner)
{
    openModal<Window>(owner, [](Window&) {});
}

} // namespace

TfrmMenuScadenze::TfrmMenuScadenze(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::gradientShape(panContainer, "shpContainer01", {8, 8, 977, 566}, ShapeRect::Gradient::Vertical, Blue,
                            Qt::white);
    Controls::shape(panContainer, "shpTitle", {16, 16, 961, 96}, Blue, Blue);
    Controls::shape(panContainer, "bkgTitle", {24, 24, 945, 80}, Qt::white, Qt::white);
    Controls::label(panContainer, "lblIstruzioni", {112, 152},
                    QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."),
                    Fonts::font(QStringLiteral("Verdana"), 12), Qt::white);
    Controls::shape(panContainer, "bkgSelezione", {112, 176, 777, 298}, Qt::white, Qt::white);
    Controls::shape(panContainer, "sfoPulsanti", {510, 184, 370, 282}, BlanchedAlmond, BlanchedAlmond);
    Controls::shape(panContainer, "bkgPulsanti", {520, 194, 350, 262}, Qt::white, Qt::white);
    Controls::shape(panContainer, "shpContainer02", {8, 581, 977, 100}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);
    const Controls::PictureButton<TfrmMenuScadenze> buttons[] = {
        {"btnRevisione", {598, 215, 197, 40}, nullptr, &TfrmMenuScadenze::btnRevisioneClick},
        {"btnTagliando", {598, 275, 197, 40}, nullptr, &TfrmMenuScadenze::btnTagliandoClick},
        {"btnAssicurazione", {598, 335, 197, 40}, nullptr, &TfrmMenuScadenze::btnAssicurazioneClick},
        {"btnBollo", {598, 395, 197, 40}, nullptr, &TfrmMenuScadenze::btnBolloClick},
        {"btnScadenzario", {598, 618, 197, 40}, nullptr, &TfrmMenuScadenze::btnScadenzarioClick},
        {"imgGuida", {26, 604, 141, 67}, nullptr, &TfrmMenuScadenze::imgGuidaClick},
        {"imgEsci", {826, 604, 140, 67}, nullptr, &TfrmMenuScadenze::imgEsciClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);
    for (std::size_t b = 0; b < std::size(Badges); ++b)
        m_badges[b] = badge(panContainer, Badges[b].name, Badges[b].buttonTop);
}

void TfrmMenuScadenze::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        subConteggi();
}

// The counts of the four lists from one scan; an archive that cannot be read hides them.
void TfrmMenuScadenze::subConteggi()
{
    const Platform& platform = Platform::instance();
    const DueDates::Scan scan =
        DueDates::scan(platform.programFolder(), platform.today(), DueDates::Detail::CountsOnly);
    for (std::size_t b = 0; b < std::size(Badges); ++b)
        showCount(m_badges[b], DueDates::countOfKind(scan, Badges[b].kind));
}

void TfrmMenuScadenze::btnRevisioneClick()
{
    openList<TfrmScadRevisione>(this);
}

void TfrmMenuScadenze::btnTagliandoClick()
{
    openList<TfrmScadTagliando>(this);
}

void TfrmMenuScadenze::btnAssicurazioneClick()
{
    openList<TfrmScadAssicurazione>(this);
}

void TfrmMenuScadenze::btnBolloClick()
{
    openList<TfrmScadBollo>(this);
}

void TfrmMenuScadenze::btnScadenzarioClick()
{
    if (const std::optional<StoredVehicle> chosen = TfrmScadenzario::open(this))
        emit vehicleChosen(*chosen);
}

void TfrmMenuScadenze::imgGuidaClick()
{
    TfrmGuida::open(this, HelpTopics::deadlineMenu());
}

void TfrmMenuScadenze::imgEsciClick()
{
    close();
}

void TfrmMenuScadenze::closeEvent(QCloseEvent* event)
{
    emit closed();
    event->accept();
}
