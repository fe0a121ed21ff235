#include "widgets/LockWaitCursor.h"

#include "archive/FixedRecordFile.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void showBusyCursorWhileLocked()
{
    FixedRecordFile::setLockWaitObserver([](FixedRecordFile::LockWait wait) {
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
