#include "widgets/InfoLine.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

InfoLine::InfoLine(QLabel* line, QObject* parent) : QObject(parent), m_line(line) {}

void InfoLine::addButton(QWidget* button, const QString& sentence)
{
    m_sentences.insert(button, sentence);
    watch(button);
}

void InfoLine::addBackground(QWidget* background)
{
    m_backgrounds.insert(background);
    watch(background);
}

void InfoLine::finish(QWidget* root)
{
    const QList<QWidget*> controls = root->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (m_sentences.contains(control) || m_backgrounds.contains(control))
            continue;
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void InfoLine::watch(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->installEventFilter(this);
}

bool InfoLine::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto sentence = m_sentences.constFind(watched);
        if (sentence != m_sentences.constEnd())
            m_line->setText(*sentence);
        else if (m_backgrounds.contains(watched) && event->type() == QEvent::MouseMove)
            m_line->clear();
    }
    return QObject::eventFilter(watched, event);
}
