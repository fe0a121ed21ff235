#include "widgets/WindowFrame.h"

#include "platform/ProcessFormats.h"
#include "widgets/GradientPage.h"

#include <QWidget>

QWidget* buildFrame(QWidget* window, const WindowFrame& frame)
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
    auto* panContainer = new QWidget;
    panContainer->setObjectName(QStringLiteral("panContainer"));
    if (!frame.panel.isEmpty())
        panContainer->setFixedSize(frame.panel);
    page->setPanel(panContainer);
    return panContainer;
}
