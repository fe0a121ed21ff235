#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QLabel;
class QWidget;

// A window's information line: the mouse over a button shows that button's sentence,
// the mouse over the window's background empties it, and everything else
// (edit boxes, labels, the line itself) leaves it as it is.
class InfoLine final : public QObject {
    Q_OBJECT
public:
    explicit InfoLine(QLabel* line, QObject* parent = nullptr);

    void addButton(QWidget* button, const QString& sentence);
    void addBackground(QWidget* background);
    // Call once every control exists: the remaining controls under root stop the
    // mouse from reaching the background behind them.
    void finish(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);

    QLabel* m_line;
    QHash<QObject*, QString> m_sentences;
    QSet<QObject*> m_backgrounds;
};
