#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class ArtworkImage;
class PhotoView;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Helpers for the tests of any window of the program: find a control by its name, click
// it as the user does, answer a modal window, and read and write the files a test needs.
namespace Gui {
ArtworkImage* button(const QWidget* window, const char* name);
// A left click on a picture button, as the user makes it.
void click(const QWidget* window, const char* name);
// The push button of that name, or null.
QPushButton* pushButton(const QWidget* window, const char* name);
// A left click on a push button, as the user makes it; fails the test when there is none.
void push(const QWidget* window, const char* name);
QLineEdit* editBox(const QWidget* window, const char* name);
QLabel* label(const QWidget* window, const char* name);
PhotoView* photoView(const QWidget* window, const char* name);
// Replaces a box's text by typing it, as the keyboard sends it.
void typeInto(QLineEdit* box, const QString& text);

// Runs act on the modal window while the next exec() runs; the window is closed
// afterwards if act left it open, so that a fault never hangs the test.
// closedByAct reports whether act closed it.
void whileModal(const std::function<void(QWidget*)>& act, bool* closedByAct = nullptr);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);
// A picture whose pixels differ from each other and from the placeholder.
QImage testPicture(QSize size);
QImage rgb(const QImage& picture);
} // namespace Gui
