#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Enter (on either keyboard key) moves the focus to the next widget of a fixed ring, from
// the last back to the first, and does nothing else. The ring belongs to the first widget.
class EnterRing final : public QObject {
    Q_OBJECT
public:
    explicit EnterRing(const QList<QWidget*>& ring);

    // The widget after this one in the ring, or nullptr when it is not in the ring.
    QWidget* next(const QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> m_ring;
};
