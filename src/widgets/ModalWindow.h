#pragma once

#include <QPointer>
#include <QWidget>

// Opens a modal window the way every modal window opens: a fresh instance owned by
// the opening window, prepared by setup, shown modally, and destroyed when it closes.
template <typename Window, typename Setup> void openModal(QWidget* owner, Setup&& setup)
{
    QPointer<Window> window = new Window(owner);
    setup(*window);
    window->exec();
    delete window.data();
}
