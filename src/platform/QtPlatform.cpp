#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

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
        return {QMessageBox::Warning, " Attenzione"};
    case Platform::MessageKind::Error:
        return {QMessageBox::Critical, " Errore"};
    case Platform::MessageKind::Information:
        return {QMessageBox::Information, " Informazione"};
    case Platform::MessageKind::Question:
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

} // namespace

Platform::Answer QtPlatform::message(QWidget* parent, MessageKind kind, const QString& text)
{
    const BoxLook look = lookOf(kind);
    // Stored messages separate their paragraphs with LF CR; a box shows them as line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));

    QMessageBox box(look.icon, QString::fromUtf8(look.caption), shown, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    const QList<Answer> buttons = buttonsOf(kind);
    for (Answer answer : buttons)
        box.addButton(standardButton(answer));
    box.setDefaultButton(standardButton(buttons.constFirst()));
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

void QtPlatform::openWithShell(const QString& quotedOrBare)
{
    // The program quotes paths and mail links for the shell, as a command line would;
    // the desktop services take them bare.
    const bool quoted = quotedOrBare.size() >= 2 && quotedOrBare.startsWith(QLatin1Char('"')) &&
                        quotedOrBare.endsWith(QLatin1Char('"'));
    const QString target = quoted ? quotedOrBare.mid(1, quotedOrBare.size() - 2) : quotedOrBare;
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
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
