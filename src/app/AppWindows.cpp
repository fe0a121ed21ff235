#include "app/AppWindows.h"

#include "access/TfrmCambiaPassword.h"
#include "access/TfrmPassword.h"
#include "analysis/TfrmAnalisiCosti.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "backup/TfrmCopieSicurezza.h"
#include "card/TfrmAllegaCartella.h"
#include "card/TfrmAutoparco.h"
#include "card/TfrmCalendario.h"
#include "card/TfrmSlideshow_Automezzi.h"
#include "card/TfrmZoom.h"
#include "costs/TfrmAllegaExcel.h"
#include "deadlines/DeadlineListWindow.h"
#include "deadlines/TfrmMenuScadenze.h"
#include "deadlines/TfrmScadenzario.h"
#include "help/TfrmGuida.h"
#include "history/TfrmStorico.h"
#include "import/TfrmImportaVeicoli.h"
#include "output/TfrmAnteprimaAutomezzo.h"
#include "output/TfrmExpAutoparco.h"
#include "output/TfrmStampaAutomezzo.h"
#include "search/TfrmTrovaAutomezzi.h"

namespace {

template <typename Window, typename Tuple> struct HeldIn;
template <typename Window, typename... Held>
struct HeldIn<Window, std::tuple<Held...>> : std::disjunction<std::is_same<std::unique_ptr<Window>, Held>...> {};

} // namespace

template <typename... Windows> void AppWindows::createInOrder()
{
    (create<Windows>(), ...);
}

template <typename Window> void AppWindows::create()
{
    auto window = std::make_unique<Window>();
    m_instances.append(window.get());
    if constexpr (HeldIn<Window, Swapped>::value)
        std::get<std::unique_ptr<Window>>(m_swapped) = std::move(window);
    else
        m_hidden.push_back(std::move(window));
}

AppWindows::AppWindows()
{
    // One instance of every window class, in the program's start-up order.
    createInOrder<TfrmPassword,            //
                  TfrmAvvio,               //
                  TfrmCambiaPassword,      //
                  TfrmGuida,               //
                  TfrmInfo,                //
                  TfrmSplash,              //
                  TfrmAutoparco,           //
                  TfrmAllegaCartella,      //
                  TfrmZoom,                //
                  TfrmCalendario,          //
                  TfrmSlideshow_Automezzi, //
                  TfrmTrovaAutomezzi,      //
                  TfrmStampaAutomezzo,     //
                  TfrmAnteprimaAutomezzo,  //
                  TfrmExpAutoparco,        //
                  TfrmAllegaExcel,         //
                  TfrmAnalisiCosti,        //
                  TfrmMenuScadenze,        //
                  TfrmScadRevisione,       //
                  TfrmScadTagliando,       //
                  TfrmScadAssicurazione,   //
                  TfrmScadBollo,           //
                  TfrmCopieSicurezza,      //
                  TfrmScadenzario,         //
                  TfrmImportaVeicoli,      //
                  TfrmStorico>();

    QObject::connect(frmPassword(), &TfrmPassword::accepted, frmPassword(), [this] { showLauncher(); });
    QObject::connect(frmPassword(), &TfrmPassword::changeRequested, frmPassword(),
                     [this] { swap(frmPassword(), frmCambiaPassword()); });
    QObject::connect(frmCambiaPassword(), &TfrmCambiaPassword::closed, frmPassword(), [this] {
        frmPassword()->show();
        frmPassword()->subAzzera();
    });
    QObject::connect(frmAvvio(), &TfrmAvvio::autoparcoRequested, frmAvvio(),
                     [this] { swap(frmAvvio(), frmAutoparco()); });
    QObject::connect(frmAutoparco(), &TfrmAutoparco::closed, frmAvvio(), [this] { frmAvvio()->showMaximized(); });
    QObject::connect(frmAvvio(), &TfrmAvvio::scadenzeRequested, frmAvvio(),
                     [this] { swap(frmAvvio(), frmMenuScadenze()); });
    QObject::connect(frmMenuScadenze(), &TfrmMenuScadenze::closed, frmAvvio(), [this] { frmAvvio()->showMaximized(); });
    QObject::connect(frmAvvio(), &TfrmAvvio::vehicleChosen, frmAvvio(),
                     [this](const StoredVehicle& chosen) { showInCard(frmAvvio(), chosen); });
    QObject::connect(frmMenuScadenze(), &TfrmMenuScadenze::vehicleChosen, frmMenuScadenze(),
                     [this](const StoredVehicle& chosen) { showInCard(frmMenuScadenze(), chosen); });
}

void AppWindows::showInCard(QWidget* from, const StoredVehicle& chosen)
{
    // The card empties itself when it shows, so the record comes after.
    swap(from, frmAutoparco());
    frmAutoparco()->subMostraScheda(chosen.record, chosen.position, chosen.stored);
}

AppWindows::~AppWindows() = default;

void AppWindows::showFirst()
{
    frmPassword()->show();
}

void AppWindows::showLauncher()
{
    swap(frmPassword(), frmAvvio());
}

void AppWindows::swap(QWidget* from, QWidget* to)
{
    // Fixed-size windows show at their size, the others maximised.
    if (to->minimumSize() == to->maximumSize())
        to->show();
    else
        to->showMaximized();
    from->hide();
}
