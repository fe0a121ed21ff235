#include "deadlines/DeadlineListWindow.h"

#include "deadlines/DeadlineScan.h"
#include "platform/Platform.h"
#include "printing/StampaRiepilogo.h"
#include "widgets/ArtworkImage.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/LineList.h"
#include "widgets/WindowFrame.h"

#include <QLabel>
#include <QShowEvent>

namespace {

const QColor Orange(0xFF, 0xA5, 0x00);
const QColor Brown(0xA5, 0x2A, 0x2A);

// The panel reaches down over the two buttons, so that centring it in the 930 x 632
// client area puts it at 14, 14; below its white background it is see-through.
WindowFrame frameOf(const DeadlineKind& kind)
{
    return WindowFrame::fixed(kind.name, kind.caption, {930, 632})
        .gradient(Colours::SteelBlue, Qt::white)
        .container({902, 604})
        .withoutTitleBarButtons()
        .withProcessFormats();
}

} // namespace

DeadlineListWindow::DeadlineListWindow(const DeadlineKind& kind, QWidget* parent) : QDialog(parent), m_kind(kind)
{
    QWidget* panContainer = buildFrame(this, frameOf(kind));
    Controls::shape(panContainer, "shpStampa", {10, 10, 882, 540}, Qt::white, Qt::white);
    // The car is the same in the four lists.
    auto* icoAuto = new ArtworkImage(QStringLiteral("common"), QStringLiteral("icoAutoScadenze"), panContainer);
    icoAuto->setObjectName(QStringLiteral("icoAuto"));
    icoAuto->setGeometry(330, 28, 239, 96);
    Controls::picture(panContainer, "icoTipoScadenze", {20, 134, 862, 26}, false);
    Controls::shape(panContainer, "shpLista", {20, 168, 862, 370}, Orange, Orange);

    lstRecords = new LineList(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(25, 173, 852, 332);

    QLabel* lblRigo03 = Controls::label(panContainer, "lblRigo03", {25, 510}, QString::fromUtf8(kind.note),
                                        Fonts::font(QStringLiteral("Verdana"), 9), Brown);
    lblRigo03->setGeometry(25, 510, 852, 22);
    lblRigo03->setAlignment(Qt::AlignCenter);

    const Controls::PushButton<DeadlineListWindow> buttons[] = {
        {"btnChiudi", {0, 570, 161, 32}, "Chiudi", &DeadlineListWindow::btnChiudiClick},
        {"btnStampa", {741, 570, 161, 32}, "Stampa", &DeadlineListWindow::btnStampaClick},
    };
    Controls::pushButtons(this, panContainer, buttons, Fonts::font(QStringLiteral("Verdana"), 10));
}

void DeadlineListWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        subScansione();
}

// Reads the archive through; no message whatever happens, and a deadline that is no
// date skips only its vehicle.
void DeadlineListWindow::subScansione()
{
    const Platform& platform = Platform::instance();
    lstRecords->setLines(scanDeadlines(platform.programFolder(), m_kind.deadline, platform.today()).lines);
}

void DeadlineListWindow::done(int result)
{
    lstRecords->clear();
    QDialog::done(result);
}

void DeadlineListWindow::btnChiudiClick()
{
    accept();
}

void DeadlineListWindow::btnStampaClick()
{
    StampaRiepilogo(this, QString::fromUtf8(m_kind.printTitle), lstRecords->lines());
}
