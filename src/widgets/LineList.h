#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// A list box of fixed-column text lines: 12-point fixed-pitch text, every line the same
// height, scrolling sideways for long lines. A model holds the lines, so a hundred
// thousand of them fill the list at once.
class LineList final : public QListView {
    Q_OBJECT
public:
    explicit LineList(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    QStringList lines() const;
    int count() const;
    void clear();

    // The selected line's row, or -1.
    int selectedRow() const;
    // Selects the row and brings it into view.
    void selectRow(int row);
    // The line's text at row; empty outside the list.
    QString line(int row) const;

private:
    QStringListModel* m_model;
};
