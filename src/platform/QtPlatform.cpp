#include "platform/QtPlatform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <exception>

namespace {

QMessageBox::StandardButton standardButton(Platform::Answer answer)
{
    switch (answer) {
    case Platform::Answer::Ok:
        return QMessageBox::Ok;
    case Platform::Answer::Cancel:
        return QMessageBox::Cancel;
    case Platform::Answer::Yes:
        return QMessageBox::Yes;
    case Platform::Answer::No:
        break;
    }
    return QMessageBox::No;
}

struct BoxLook {
    QMessageBox::Icon icon;
    const char* caption;
};

BoxLook lookOf(Platform::MessageKind kind)
{
    switch (kind) {
    case Platform::MessageKind::Warning:
    case Platform::MessageKind::Caution:
        return {QMessageBox::Warning, " Attenzione"};
    case Platform::MessageKind::Error:
        return {QMessageBox::Critical, " Errore"};
    case Platform::MessageKind::Information:
    case Platform::MessageKind::Notice:
        return {QMessageBox::Information, " Informazione"};
    case Platform::MessageKind::Question:
    case Platform::MessageKind::CarefulQuestion:
        return {QMessageBox::Question, " Conferma"};
    case Platform::MessageKind::Plain:
        break;
    }
    return {QMessageBox::NoIcon, " Corvanta"};
}

QString runFileDialog(QWidget* parent, const Platform::FileDialogOptions& options, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtPlatform::qtNameFilters(options.filter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    if (!options.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.presetName.isEmpty())
        dialog.selectFile(options.presetName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The printer a job starts from: the system's default printer, paper and orientation of
// the report, and the painter's origin at the paper's corner. Without any printer the
// dialog offers a PDF file instead.
void preparePrinter(QPrinter& printer, const Platform::PrintJob& job)
{
    printer.setFullPage(true);
    printer.setPageLayout(job.layout);
    printer.setDocName(job.documentName);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                  QStringLiteral("/Stampa.pdf"));
    }
}

// The preview's toolbar keeps only Print and Zoom; Full screen and Close are added.
void trimPreviewToolbar(QPrintPreviewDialog& dialog)
{
    QToolBar* toolbar = dialog.findChild<QToolBar*>();
    if (!toolbar)
        return;
    // Qt names only some of its actions; the others are known by their (translated) text.
    const struct {
        const char* text;
        const char* name;
    } kept[] = {{"Zoom in", "zoomInAction"}, {"Zoom out", "zoomOutAction"}, {"Print", "printAction"}};
    const QList<QAction*> actions = toolbar->actions();
    for (QAction* action : actions) {
        bool keep = qobject_cast<QComboBox*>(toolbar->widgetForAction(action)) != nullptr; // the zoom factor
        for (const auto& wanted : kept) {
            if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", wanted.text)) {
                action->setObjectName(QLatin1String(wanted.name));
                keep = true;
            }
        }
        action->setVisible(keep);
    }
    toolbar->addSeparator();
    QAction* fullScreen = toolbar->addAction(QStringLiteral("Schermo intero"));
    fullScreen->setObjectName(QStringLiteral("fullScreenAction"));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::toggled, &dialog, [&dialog](bool on) {
        if (on)
            dialog.showFullScreen();
        else
            dialog.showMaximized();
    });
    QAction* close = toolbar->addAction(QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("closeAction"));
    QObject::connect(close, &QAction::triggered, &dialog, &QDialog::reject);
}

void zoomToActualSize(QPrintPreviewDialog& dialog)
{
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
}

} // namespace

Platform::Answer QtPlatform::message(QWidget* parent, MessageKind kind, const QString& text)
{
    const BoxLook look = lookOf(kind);
    // Messages separate their paragraphs with LF CR or CR LF; a box shows them as line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QMessageBox box(look.icon, QString::fromUtf8(look.caption), shown, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    const QList<Answer> buttons = buttonsOf(kind);
    for (Answer answer : buttons)
        box.addButton(standardButton(answer));
    box.setDefaultButton(standardButton(defaultOf(kind)));
    box.setEscapeButton(standardButton(buttons.constLast()));
    const int chosen = box.exec();
    for (Answer answer : buttons) {
        if (chosen == standardButton(answer))
            return answer;
    }
    return buttons.constLast();
}

QString QtPlatform::openFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

QString QtPlatform::saveFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

QString QtPlatform::folderName(QWidget* parent, const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

bool QtPlatform::print(QWidget* parent, const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, qMax(1, job.pageCount));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    job.paint(printer, range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
    return true;
}

void QtPlatform::preview(QWidget* parent, const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, job);
    QPrintPreviewDialog dialog(&printer, parent);
    // The size it is maximised to, also where no window manager maximises it.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size());
    dialog.setWindowState(Qt::WindowMaximized);
    trimPreviewToolbar(dialog);
    // The engine's failures must not cross Qt's painting: they are kept, the preview
    // closes, and they are raised again here.
    std::exception_ptr failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (failure)
            return;
        try {
            job.paint(*target, 1, 0);
        } catch (...) {
            failure = std::current_exception();
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        }
    });
    zoomToActualSize(dialog);
    QTimer::singleShot(0, &dialog, [&dialog] { zoomToActualSize(dialog); });
    dialog.exec();
    if (failure)
        std::rethrow_exception(failure);
}

bool QtPlatform::openWithShell(const QString& quotedOrPlain)
{
    // Paths come enclosed in double quotes, as a command line would want them; the
    // desktop wants the bare path.
    QString target = quotedOrPlain;
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::computerName() const
{
    return QSysInfo::machineHostName();
}

QString QtPlatform::userName() const
{
    // USERNAME on Windows, USER or LOGNAME elsewhere.
    for (const char* name : {"USERNAME", "USER", "LOGNAME"}) {
        const QString user = qEnvironmentVariable(name);
        if (!user.isEmpty())
            return user;
    }
    return QString();
}

QString QtPlatform::programFolder() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

QStringList QtPlatform::qtNameFilters(const QString& barSeparatedFilter)
{
    QStringList filters;
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        const int bracket = description.indexOf(QLatin1Char('('));
        if (bracket >= 0)
            description.truncate(bracket);
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters << description.trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}
