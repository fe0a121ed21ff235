#pragma once

#include <memory>

class TfrmAutoparco;
class TfrmAvvio;
class TfrmZoom;
class QWidget;

// The program's window instances, created once at start-up in their fixed order and
// held for the program's life. Swapped windows are shown from here; the start-up
// instances of modal windows stay hidden, since every opening makes a fresh one.
class AppWindows final {
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // The first window the user sees.
    void showFirst();

    TfrmAvvio* frmAvvio() const { return m_frmAvvio.get(); }
    TfrmAutoparco* frmAutoparco() const { return m_frmAutoparco.get(); }
    TfrmZoom* frmZoom() const { return m_frmZoom.get(); }

    // Shows a swapped window as an ordinary maximised window, then hides the one it came from.
    static void swap(QWidget* from, QWidget* to);

private:
    std::unique_ptr<TfrmAvvio> m_frmAvvio;
    std::unique_ptr<TfrmAutoparco> m_frmAutoparco;
    std::unique_ptr<TfrmZoom> m_frmZoom;
};
