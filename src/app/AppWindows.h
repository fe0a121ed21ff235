#pragma once

#include "archive/StoredVehicle.h"

#include <QWidget>

#include <memory>
#include <tuple>
#include <type_traits>
#include <vector>

class TfrmAutoparco;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;
class TfrmMenuScadenze;

// The program's window instances, created once at start-up in their fixed order and
// held for the program's life. Swapped windows are shown from here; the start-up
// instances of modal windows stay hidden, since every opening makes a fresh one.
class AppWindows final {
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // The first window the user sees: the login.
    void showFirst();
    // What a correct password does: the launcher shows and the login hides.
    void showLauncher();

    TfrmPassword* frmPassword() const { return swapped<TfrmPassword>(); }
    TfrmAvvio* frmAvvio() const { return swapped<TfrmAvvio>(); }
    TfrmCambiaPassword* frmCambiaPassword() const { return swapped<TfrmCambiaPassword>(); }
    TfrmAutoparco* frmAutoparco() const { return swapped<TfrmAutoparco>(); }
    TfrmMenuScadenze* frmMenuScadenze() const { return swapped<TfrmMenuScadenze>(); }

    // Every start-up instance, in creation order.
    QList<QWidget*> instances() const { return m_instances; }
    // The start-up instance of a window class.
    template <typename Window> Window* instance() const
    {
        for (QWidget* window : m_instances) {
            if (auto* found = qobject_cast<Window*>(window))
                return found;
        }
        return nullptr;
    }

    // Shows a swapped window as an ordinary window, then hides the one it came from.
    static void swap(QWidget* from, QWidget* to);

private:
    // The windows only ever shown as their start-up instance.
    using Swapped =
        std::tuple<std::unique_ptr<TfrmPassword>, std::unique_ptr<TfrmAvvio>, std::unique_ptr<TfrmCambiaPassword>,
                   std::unique_ptr<TfrmAutoparco>, std::unique_ptr<TfrmMenuScadenze>>;

    template <typename Window> Window* swapped() const { return std::get<std::unique_ptr<Window>>(m_swapped).get(); }
    template <typename... Windows> void createInOrder();
    template <typename Window> void create();
    // A vehicle chosen in the deadline register opened from window `from`: the card shows it
    // with its photo in from's place.
    void showInCard(QWidget* from, const StoredVehicle& chosen);

    Swapped m_swapped;
    std::vector<std::unique_ptr<QWidget>> m_hidden;
    QList<QWidget*> m_instances;
};
