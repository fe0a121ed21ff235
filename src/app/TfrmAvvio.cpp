#include "app/TfrmAvvio.h"

#include "analysis/TfrmAnalisiCosti.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "backup/AutomaticBackup.h"
#include "backup/TfrmCopieSicurezza.h"
#include "deadlines/DueDates.h"
#include "deadlines/DueSummary.h"
#include "deadlines/TfrmScadenzario.h"
#include "help/HelpTopics.h"
#include "help/Maker.h"
#include "help/TfrmGuida.h"
#include "import/TfrmImportaVeicoli.h"
#include "platform/Platform.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/ModalWindow.h"
#include "widgets/SummaryBanner.h"
#include "widgets/TextLink.h"
#include "widgets/WindowFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>

namespace {

const WindowFrame Frame = WindowFrame::maximised("frmAvvio", " Corvanta", {1016, 713})
                              .gradient(Colours::SteelBlue, Qt::white)
                              .container({995, 692})
                              .withProcessFormats();

const Controls::Picture Pictures[] = {
    {"icoTitolo01", {80, 22, 835, 64}},
    {"imgSottotitolo", {17, 92, 961, 22}},
};

const struct {
    const char* name;
    const char* tip; // UTF-8
} NewerPictureTips[] = {
    {"imgImporta", "Importa veicoli da un file CSV"},
    {"imgAnalisiCosti", "Analisi dei costi del parco"},
    {"imgCopieSicurezza", "Copie di sicurezza"},
};

QColor fillOf(DueSummary::Tone tone)
{
    switch (tone) {
    case DueSummary::Tone::Red:
        return {0xD3, 0x2F, 0x2F};
    case DueSummary::Tone::Orange:
        return {0xF5, 0x7C, 0x00};
    case DueSummary::Tone::Green:
        break;
    }
    return {0x38, 0x8E, 0x3C};
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent) : QWidget(parent)
{
    QWidget* panContainer = buildFrame(this, Frame);
    Controls::shape(panContainer, "shpSfondo", {4, 4, 986, 684}, Qt::white, Qt::white);
    Controls::pictures(panContainer, Pictures);
    // Handlers are private, so the table of buttons lives here.
    const Controls::PictureButton<TfrmAvvio> buttons[] = {
        {"imgAutoparco", {64, 154, 368, 368}, nullptr, &TfrmAvvio::imgAutoparcoClick},
        {"btnAutoparco", {34, 532, 442, 79}, nullptr, &TfrmAvvio::imgAutoparcoClick},
        {"imgScadenze", {548, 154, 368, 368}, nullptr, &TfrmAvvio::imgScadenzeClick},
        {"btnScadenze", {518, 532, 442, 79}, nullptr, &TfrmAvvio::imgScadenzeClick},
        {"imgSito", {17, 628, 961, 22}, nullptr, &TfrmAvvio::imgSitoClick},
        {"imgEsci", {960, 662, 17, 18}, nullptr, &TfrmAvvio::imgEsciClick},
        {"imgInfo", {14, 14, 30, 30}, nullptr, &TfrmAvvio::imgInfoClick},
        {"imgGuida", {952, 16, 29, 28}, nullptr, &TfrmAvvio::imgGuidaClick},
        {"imgCrediti", {16, 660, 23, 22}, nullptr, &TfrmAvvio::imgCreditiClick},
        {"imgCopieSicurezza", {918, 16, 29, 28}, nullptr, &TfrmAvvio::imgCopieSicurezzaClick},
        {"imgImporta", {48, 16, 29, 28}, nullptr, &TfrmAvvio::imgImportaClick},
        {"imgAnalisiCosti", {48, 52, 29, 28}, nullptr, &TfrmAvvio::imgAnalisiCostiClick},
    };
    Controls::pictureButtons(this, panContainer, buttons);
    // The newer small pictures say nothing by themselves; the launcher has no information line.
    for (const auto& [name, tip] : NewerPictureTips)
        findChild<QWidget*>(QLatin1String(name))->setToolTip(QString::fromUtf8(tip));
    m_copieSicurezza = new AutomaticBackup(panContainer);
    connect(m_copieSicurezza->notice(), &TextLink::clicked, this, &TfrmAvvio::imgCopieSicurezzaClick);
    // In the band between the subtitle and the two large pictures.
    lblRiepilogoScadenze = new SummaryBanner(panContainer, "lblRiepilogoScadenze", {148, 120, 700, 28});
    lblRiepilogoScadenze->hide();
    connect(lblRiepilogoScadenze, &SummaryBanner::clicked, this, &TfrmAvvio::lblRiepilogoScadenzeClick);
}

void TfrmAvvio::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        subRiepilogoScadenze();
        m_copieSicurezza->launcherShown();
    }
}

// Counted afresh at every showing. An archive that cannot be read leaves the summary out:
// no message may stand between the login and the launcher.
void TfrmAvvio::subRiepilogoScadenze()
{
    const Platform& platform = Platform::instance();
    const DueDates::Scan scan =
        DueDates::scan(platform.programFolder(), platform.today(), DueDates::Detail::CountsOnly);
    if (!scan.complete) {
        lblRiepilogoScadenze->setText(QString());
        lblRiepilogoScadenze->hide();
        return;
    }
    const DueDates::Counts counts = DueDates::countAll(scan);
    lblRiepilogoScadenze->setText(DueSummary::text(counts));
    lblRiepilogoScadenze->setFill(fillOf(DueSummary::tone(counts)));
    lblRiepilogoScadenze->show();
}

// Any modal window opened here may change the archive (an import, a restore, a card saved
// from the register): the summary is counted again when it closes.
void TfrmAvvio::subModale(const std::function<void()>& open)
{
    open();
    subRiepilogoScadenze();
}

void TfrmAvvio::lblRiepilogoScadenzeClick()
{
    std::optional<StoredVehicle> chosen;
    subModale([&] { chosen = TfrmScadenzario::open(this); });
    if (chosen)
        emit vehicleChosen(*chosen);
}

void TfrmAvvio::imgAutoparcoClick()
{
    emit autoparcoRequested();
}

void TfrmAvvio::imgScadenzeClick()
{
    emit scadenzeRequested();
}

void TfrmAvvio::imgSitoClick()
{
    Messages::openWithShell(this, Maker::webAddress());
}

void TfrmAvvio::imgInfoClick()
{
    subModale([this] { openModal<TfrmInfo>(this, [](TfrmInfo&) {}); });
}

void TfrmAvvio::imgGuidaClick()
{
    subModale([this] { TfrmGuida::open(this, HelpTopics::launcher()); });
}

void TfrmAvvio::imgCreditiClick()
{
    subModale([this] {
        openModal<TfrmSplash>(this, [this](TfrmSplash& splash) {
            splash.move(frameGeometry().center() - QPoint(splash.width() / 2, splash.height() / 2));
        });
    });
}

void TfrmAvvio::imgEsciClick()
{
    m_copieSicurezza->stop();
    QApplication::quit();
}

void TfrmAvvio::imgCopieSicurezzaClick()
{
    subModale([this] { openModal<TfrmCopieSicurezza>(this, [](TfrmCopieSicurezza&) {}); });
    m_copieSicurezza->refreshNotice();
}

void TfrmAvvio::imgImportaClick()
{
    subModale([this] { openModal<TfrmImportaVeicoli>(this, [](TfrmImportaVeicoli&) {}); });
}

void TfrmAvvio::imgAnalisiCostiClick()
{
    std::optional<StoredVehicle> chosen;
    subModale([&] { chosen = TfrmAnalisiCosti::openFleet(this); });
    if (chosen)
        emit vehicleChosen(*chosen);
}

void TfrmAvvio::closeEvent(QCloseEvent* event)
{
    m_copieSicurezza->stop();
    event->accept();
    QApplication::quit();
}
