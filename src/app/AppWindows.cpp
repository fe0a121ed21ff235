#include "app/AppWindows.h"

#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "card/TfrmAllegaCartella.h"
#include "card/TfrmAutoparco.h"
#include "card/TfrmCalendario.h"
#include "card/TfrmSlideshow_Automezzi.h"
#include "card/TfrmZoom.h"
#include "costs/TfrmAllegaExcel.h"
#include "output/TfrmAnteprimaAutomezzo.h"
#include "output/TfrmExpAutoparco.h"
#include "output/TfrmStampaAutomezzo.h"

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
    createInOrder<TfrmAvvio,               //
                  TfrmGuida,               //
                  TfrmInfo,                //
                  TfrmSplash,              //
                  TfrmAutoparco,           //
                  TfrmAllegaCartella,      //
                  TfrmZoom,                //
                  TfrmCalendario,          //
                  TfrmSlideshow_Automezzi, //
                  TfrmStampaAutomezzo,     //
                  TfrmAnteprimaAutomezzo,  //
                  TfrmExpAutoparco,        //
                  TfrmAllegaExcel>();

    QObject::connect(frmAvvio(), &TfrmAvvio::autoparcoRequested, frmAvvio(),
                     [this] { swap(frmAvvio(), frmAutoparco()); });
    QObject::connect(frmAutoparco(), &TfrmAutoparco::closed, frmAvvio(), [this] { frmAvvio()->showMaximized(); });
}

AppWindows::~AppWindows() = default;

void AppWindows::showFirst()
{
    frmAvvio()->showMaximized();
}

void AppWindows::swap(QWidget* from, QWidget* to)
{
    to->showMaximized();
    from->hide();
}
