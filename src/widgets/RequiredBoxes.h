#pragma once

#include <QList>

class QLineEdit;
class QWidget;

// A box a command cannot go on without, and the warning it gives when the box is blank.
struct RequiredBox {
    QLineEdit* box;
    const char* missing; // UTF-8
};

// Warns on window with the first blank box's message, in list order, and puts the focus in
// that box. True when no box is blank (blanks are characters of code 32 or less).
bool requiredBoxesFilled(QWidget* window, const QList<RequiredBox>& boxes);
