#include "widgets/FindInList.h"

#include "platform/Platform.h"
#include "widgets/LineList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

FindInList::FindInList(QLineEdit* txtTrova, QPushButton* btnTrova, LineList* lstRecords)
    : QObject(btnTrova), m_text(txtTrova), m_button(btnTrova), m_list(lstRecords)
{
    connect(btnTrova, &QPushButton::clicked, this, &FindInList::find);
    txtTrova->installEventFilter(this);
}

void FindInList::find()
{
    const ListFinder::Result result = m_finder.findNext(m_list->lines(), m_list->selectedRow(), m_text->text());
    if (result.outcome == ListFinder::Outcome::EmptyList) {
        Messages::plain(m_list->window(),
                        QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    if (result.selected >= 0 && result.selected != m_list->selectedRow())
        m_list->selectRow(result.selected);
    else if (result.selected >= 0)
        m_list->scrollTo(m_list->model()->index(result.selected, 0));
}

bool FindInList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_button->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
