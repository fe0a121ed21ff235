#include "app/Startup.h"

#include "app/AppWindows.h"
#include "platform/Platform.h"
#include "widgets/Fonts.h"
#include "widgets/LockWaitCursor.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own Italian texts: message-box buttons and file dialogs. The copy in the program
// folder travels with a portable installation; the system's is the fallback.
void installItalianTexts(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_it");
    if (translator->load(name, Platform::instance().programFolder() + QStringLiteral("translations")) ||
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/icon/corvanta.svg"));
}

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Corvanta"));
    // The launcher's close ends the program; hidden swapped windows must not.
    QApplication::setQuitOnLastWindowClosed(false);
    // The window icon, and the name of the desktop entry beside the executable (corvanta.desktop).
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("corvanta"));
    installItalianTexts(app);
    Fonts::install();
    showBusyCursorWhileLocked();
}

int runCorvanta(int argc, char* argv[])
{
    // Before anything else: draw without the graphics hardware.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    prepareApplication(app);

    AppWindows windows;
    windows.showFirst();
    return QApplication::exec();
}
