#include "widgets/WindowFrame.h"

#include "platform/ProcessFormats.h"
#include "widgets/GradientPage.h"

#include <QStackedWidget>
#include <QWidget>

namespace {

// The frame without its panel: name, caption, size, title bar, formats and the page.
GradientPage* buildPage(QWidget* window, const WindowFrame& frame)
{
    window->setObjectName(QLatin1String(frame.name));
    window->setWindowTitle(QString::fromUtf8(frame.caption));
    if (frame.sizing == WindowFrame::Sizing::Fixed) {
        window->setFixedSize(frame.size);
    } else {
        window->resize(frame.size);
        window->setWindowState(Qt::WindowMaximized);
    }
    if (!frame.titleBarButtons)
        window->setWindowFlags(window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (frame.setsProcessFormats)
        ProcessFormats::apply();

    auto* page = new GradientPage(frame.gradientTop, frame.gradientBottom, window);
    page->fill(window);
    return page;
}

} // namespace

QWidget* buildFrame(QWidget* window, const WindowFrame& frame)
{
    GradientPage* page = buildPage(window, frame);
    auto* panContainer = new QWidget;
    panContainer->setObjectName(QStringLiteral("panContainer"));
    if (!frame.panel.isEmpty())
        panContainer->setFixedSize(frame.panel);
    page->setPanel(panContainer);
    return panContainer;
}

QStackedWidget* buildStackedFrame(QWidget* window, const WindowFrame& frame)
{
    GradientPage* page = buildPage(window, frame);
    auto* panels = new QStackedWidget;
    panels->setObjectName(QStringLiteral("stkPannelli"));
    panels->setFixedSize(frame.panel);
    page->setPanel(panels);
    return panels;
}
