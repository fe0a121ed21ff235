#include "WindowTest.h"

#include "widgets/ArtworkImage.h"
#include "widgets/PhotoView.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace Gui {

ArtworkImage* button(const QWidget* window, const char* name)
{
    return window->findChild<ArtworkImage*>(QLatin1String(name));
}

void click(const QWidget* window, const char* name)
{
    ArtworkImage* target = button(window, name);
    if (!target)
        QFAIL(qPrintable(QStringLiteral("no picture button %1").arg(QLatin1String(name))));
    QTest::mouseClick(target, Qt::LeftButton);
}

QPushButton* pushButton(const QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QLatin1String(name));
}

void push(const QWidget* window, const char* name)
{
    QPushButton* target = pushButton(window, name);
    if (!target)
        QFAIL(qPrintable(QStringLiteral("no push button %1").arg(QLatin1String(name))));
    QTest::mouseClick(target, Qt::LeftButton);
}

QLineEdit* editBox(const QWidget* window, const char* name)
{
    return window->findChild<QLineEdit*>(QLatin1String(name));
}

QLabel* label(const QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QLatin1String(name));
}

PhotoView* photoView(const QWidget* window, const char* name)
{
    return window->findChild<PhotoView*>(QLatin1String(name));
}

void whileModal(const std::function<void(QWidget*)>& act, bool* closedByAct)
{
    QTimer::singleShot(0, [act, closedByAct] {
        QWidget* modal = QApplication::activeModalWidget();
        act(modal);
        const bool stillOpen = modal && QApplication::activeModalWidget() == modal && modal->isVisible();
        if (closedByAct)
            *closedByAct = modal && !stillOpen;
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && stillOpen)
            dialog->reject();
    });
}

void typeInto(QLineEdit* target, const QString& text)
{
    target->clear();
    // QTest types only ASCII keys; other characters arrive as the keyboard sends them, as text.
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(target, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage testPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), (x * 7 + y * 3) % 256));
    }
    return picture;
}

QImage rgb(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace Gui
