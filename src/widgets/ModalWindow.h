#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

// Opens a modal window the way every modal window opens: a fresh instance owned by
// the opening window, prepared by setup, shown modally, and destroyed when it closes.
// Arguments after setup go to the window's constructor, after its owner.
template <typename Window, typename Setup, typename... Arguments>
void openModal(QWidget* owner, Setup&& setup, Arguments&&... arguments)
{
    QPointer<Window> window = new Window(owner, std::forward<Arguments>(arguments)...);
    setup(*window);
    window->exec();
    delete window.data();
}
