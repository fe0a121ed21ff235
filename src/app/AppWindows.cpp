#include "app/AppWindows.h"

#include "app/TfrmAvvio.h"
#include "card/TfrmAutoparco.h"
#include "card/TfrmZoom.h"

AppWindows::AppWindows()
    : m_frmAvvio(std::make_unique<TfrmAvvio>()), m_frmAutoparco(std::make_unique<TfrmAutoparco>()),
      m_frmZoom(std::make_unique<TfrmZoom>())
{
    QObject::connect(m_frmAvvio.get(), &TfrmAvvio::autoparcoRequested, m_frmAvvio.get(),
                     [this] { swap(m_frmAvvio.get(), m_frmAutoparco.get()); });
    QObject::connect(m_frmAutoparco.get(), &TfrmAutoparco::closed, m_frmAvvio.get(),
                     [this] { m_frmAvvio->showMaximized(); });
}

AppWindows::~AppWindows() = default;

void AppWindows::showFirst()
{
    m_frmAvvio->showMaximized();
}

void AppWindows::swap(QWidget* from, QWidget* to)
{
    to->showMaximized();
    from->hide();
}
