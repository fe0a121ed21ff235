#include "widgets/GradientPage.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

GradientPage::GradientPage(const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent), m_top(top), m_bottom(bottom)
{
    setObjectName(QStringLiteral("pagSfondo"));
}

void GradientPage::setPanel(QWidget* panel)
{
    m_panel = panel;
    panel->setParent(this);
    panel->installEventFilter(this);
    centrePanel();
}

void GradientPage::fill(QWidget* window)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}

void GradientPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
}

void GradientPage::resizeEvent(QResizeEvent*)
{
    centrePanel();
}

bool GradientPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_panel && event->type() == QEvent::Resize)
        centrePanel();
    return QWidget::eventFilter(watched, event);
}

void GradientPage::centrePanel()
{
    if (m_panel)
        m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}
