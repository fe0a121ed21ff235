#pragma once

#include <QColor>
#include <QSize>

class QStackedWidget;
class QWidget;

// What every window of the program is built on: its name and caption, its size, the
// gradient page and the centred container panel that holds its controls. A window
// declares its frame as one constant and builds its controls on the panel it returns.
struct WindowFrame {
    enum class Sizing {
        Maximised, // opens maximised; size is the size it restores to
        Fixed,     // a fixed client size
    };

    const char* name;    // the objectName, "frm" + role
    const char* caption; // UTF-8; every caption begins with a blank
    Sizing sizing;
    QSize size;
    QColor gradientTop;
    QColor gradientBottom;
    QSize panel;             // panContainer's size; empty when the window sizes it itself
    bool titleBarButtons;    // false: the window is left only through its own controls
    bool setsProcessFormats; // the window sets the process-wide formats when it is created

    static constexpr WindowFrame maximised(const char* name, const char* caption, QSize size)
    {
        return {name, caption, Sizing::Maximised, size, {}, {}, {}, true, false};
    }
    static constexpr WindowFrame fixed(const char* name, const char* caption, QSize clientSize)
    {
        return {name, caption, Sizing::Fixed, clientSize, {}, {}, {}, true, false};
    }
    // The same frame under another caption, for a window that serves two purposes.
    constexpr WindowFrame withCaption(const char* other) const
    {
        WindowFrame frame = *this;
        frame.caption = other;
        return frame;
    }
    constexpr WindowFrame gradient(QColor top, QColor bottom) const
    {
        WindowFrame frame = *this;
        frame.gradientTop = top;
        frame.gradientBottom = bottom;
        return frame;
    }
    constexpr WindowFrame container(QSize panelSize) const
    {
        WindowFrame frame = *this;
        frame.panel = panelSize;
        return frame;
    }
    constexpr WindowFrame withoutTitleBarButtons() const
    {
        WindowFrame frame = *this;
        frame.titleBarButtons = false;
        return frame;
    }
    constexpr WindowFrame withProcessFormats() const
    {
        WindowFrame frame = *this;
        frame.setsProcessFormats = true;
        return frame;
    }
};

// Applies the frame to window and returns its panContainer, centred on the gradient page.
QWidget* buildFrame(QWidget* window, const WindowFrame& frame);
// The same for a window whose panels take turns in one place: the page centres a stack of
// the frame's panel size, and the window adds its panels to it, panContainer among them.
QStackedWidget* buildStackedFrame(QWidget* window, const WindowFrame& frame);
