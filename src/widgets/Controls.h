#pragma once

#include "widgets/ArtworkImage.h"
#include "widgets/InfoLine.h"
#include "widgets/ShapeRect.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <cstddef>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableView;
class QWidget;

// Builders for the fixed-position controls of a window's container panel. Each sets
// the control's name, place and look in one line, so a window reads like its layout.
namespace Controls {
QWidget* panel(QWidget* parent, const char* name, QSize size);
ShapeRect* shape(QWidget* parent, const char* name, const QRect& place, const QColor& fill, const QColor& border);
ShapeRect* gradientShape(QWidget* parent, const char* name, const QRect& place, ShapeRect::Gradient direction,
                         const QColor& start, const QColor& end);
QLabel* label(QWidget* parent, const char* name, const QPoint& place, const QString& text, const QFont& font,
              const QColor& colour = Qt::black);
QLineEdit* editBox(QWidget* parent, const char* name, const QRect& place, int maxLength, const QFont& font);
// A picture from the artwork of the same name in the folder of parent's window;
// clickable ones are picture buttons.
ArtworkImage* picture(QWidget* parent, const char* name, const QRect& place, bool clickable);
// The same, for a control whose picture it shares with others of its window under the name artwork.
ArtworkImage* picture(QWidget* parent, const char* name, const QRect& place, bool clickable, const char* artwork);

// A picture that only shows.
struct Picture {
    const char* name;
    QRect place;
};

template <std::size_t Count> void pictures(QWidget* parent, const Picture (&rows)[Count])
{
    for (const Picture& row : rows)
        picture(parent, row.name, row.place, false);
}

// A picture button in one row: its name, its place, the sentence the information line
// shows under the mouse, and the handler of its click. A row whose handler is null makes
// a button that shows its picture and sentence and does nothing when clicked.
template <typename Window> struct PictureButton {
    const char* name;
    QRect place;
    const char* sentence; // UTF-8; nullptr where the window has no information line
    void (Window::*handler)();
};

template <typename Window, std::size_t Count>
void pictureButtons(Window* window, QWidget* parent, const PictureButton<Window> (&rows)[Count],
                    InfoLine* infoLine = nullptr)
{
    for (const PictureButton<Window>& row : rows) {
        ArtworkImage* button = picture(parent, row.name, row.place, true);
        if (row.handler)
            QObject::connect(button, &ArtworkImage::clicked, window, row.handler);
        if (infoLine && row.sentence)
            infoLine->addButton(button, QString::fromUtf8(row.sentence));
    }
}

// A push button in one row: its name, place, caption and the handler of its click.
template <typename Window> struct PushButton {
    const char* name;
    QRect place;
    const char* caption; // UTF-8
    void (Window::*handler)();
};

QPushButton* pushButton(QWidget* parent, const char* name, const QRect& place, const QString& caption,
                        const QFont& font);

// The push buttons a table made: each by its name, and all in row order.
class Buttons final {
public:
    void append(QPushButton* button) { m_inRowOrder.append(button); }
    // The button of that name; the table must have made it.
    QPushButton* operator[](const char* name) const;
    QList<QWidget*> inRowOrder() const;

private:
    QList<QPushButton*> m_inRowOrder;
};

// Makes the buttons in row order, with the hand cursor.
template <typename Window, std::size_t Count>
Buttons pushButtons(Window* window, QWidget* parent, const PushButton<Window> (&rows)[Count], const QFont& font)
{
    Buttons made;
    for (const PushButton<Window>& row : rows) {
        QPushButton* button = pushButton(parent, row.name, row.place, QString::fromUtf8(row.caption), font);
        QObject::connect(button, &QPushButton::clicked, window, row.handler);
        made.append(button);
    }
    return made;
}

// Tab moves through the widgets in list order.
void tabChain(const QList<QWidget*>& inOrder);

// A table view in one row: its name, its place, the widths of its columns but the last,
// which takes the rest, the height of its rows, and how it behaves.
struct TableView {
    enum Option {
        AlternatingRows = 0x1,
        // Rows and columns keep their sizes, and a cell never wraps.
        FixedSizes = 0x2,
        SingleSelection = 0x4,
        // The rows come in the model's order; a header click sorts by its column from then on.
        SortByHeader = 0x8,
    };
    Q_DECLARE_FLAGS(Options, Option)

    const char* name;
    QRect place;
    QList<int> columnWidths;
    int rowHeight;
    Options options;
};

// Shows model in whole rows, read-only, without row numbers, its headers on the left.
QTableView* tableView(QWidget* parent, const TableView& row, QAbstractItemModel* model, const QFont& font);

// A drop-down list in one row; its items are the window's to add.
struct ComboBox {
    const char* name;
    QRect place;
};

QComboBox* comboBox(QWidget* parent, const ComboBox& row, const QFont& font);

// A progress bar in one row, counting in percent and hidden until work runs.
struct ProgressBar {
    const char* name;
    QRect place;
    bool showsPercent;
};

QProgressBar* progressBar(QWidget* parent, const ProgressBar& row);

// The black band across a window with its white title centred on it: the band's name and
// place, and the title's.
struct TitleBand {
    const char* name;
    QRect place;
    const char* title;
    QRect titlePlace;
};

// The title, empty until the window names what it shows.
QLabel* titleBand(QWidget* parent, const TitleBand& row, const QFont& font);
} // namespace Controls

Q_DECLARE_OPERATORS_FOR_FLAGS(Controls::TableView::Options)
