#pragma once

#include "lists/ListFinder.h"

#include <QObject>

class LineList;
class QLineEdit;
class QPushButton;

// "Trova" on a window's list: the button finds the text of the box in the list's lines
// as ListFinder does; Enter in the box moves the focus to the button without finding.
// An empty list gives its plain message. Owned by the button.
class FindInList final : public QObject {
    Q_OBJECT
public:
    FindInList(QLineEdit* txtTrova, QPushButton* btnTrova, LineList* lstRecords);

    // As when the window shows: the next text counts as new.
    void forget() { m_finder.forget(); }
    void find();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_text;
    QPushButton* m_button;
    LineList* m_list;
    ListFinder m_finder;
};
