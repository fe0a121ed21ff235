#pragma once

#include <QColor>
#include <QWidget>

// The whole client area of a window: a vertical gradient with the window's container
// panel kept centred on it, whatever the window's size.
class GradientPage final : public QWidget {
    Q_OBJECT
public:
    GradientPage(const QColor& top, const QColor& bottom, QWidget* parent = nullptr);

    // The panel becomes a child of the page; its size is its own.
    void setPanel(QWidget* panel);
    QWidget* panel() const { return m_panel; }
    // Fills the window with the page.
    void fill(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centrePanel();

    QColor m_top;
    QColor m_bottom;
    QWidget* m_panel = nullptr;
};
