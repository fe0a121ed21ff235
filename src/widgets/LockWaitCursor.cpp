#include "widgets/LockWaitCursor.h"

#include "archive/FixedRecordFile.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>

void showBusyCursorWhileLocked()
{
    FixedRecordFile::setLockWaitObserver([](FixedRecordFile::LockWait wait) {
        // Work in the background waits with its own progress showing; the cursor and the
        // windows belong to the window's thread.
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            return;
        switch (wait) {
        case FixedRecordFile::LockWait::Started:
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            break;
        case FixedRecordFile::LockWait::StillWaiting:
            break;
        case FixedRecordFile::LockWait::Ended:
            QGuiApplication::restoreOverrideCursor();
            return;
        }
        // Paints, but takes no clicks or keys: the command is still running.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}
