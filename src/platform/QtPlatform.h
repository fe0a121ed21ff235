#pragma once

#include "platform/Platform.h"

// The production platform: Qt's message boxes and file dialogs, the desktop shell,
// the system clock and the executable's folder.
class QtPlatform final : public Platform {
public:
    Answer message(QWidget* parent, MessageKind kind, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    QString folderName(QWidget* parent, const QString& title, const QString& startFolder) override;
    bool print(QWidget* parent, const PrintJob& job) override;
    void preview(QWidget* parent, const PrintJob& job) override;
    bool openWithShell(const QString& target) override;
    QDate today() const override;
    QDateTime now() const override;
    QString computerName() const override;
    QString userName() const override;
    QString programFolder() const override;

    // "Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg" becomes Qt's "Immagine JPEG (*.jpg *.jpeg)".
    static QStringList qtNameFilters(const QString& barSeparatedFilter);
};
