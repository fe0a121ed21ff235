#include "widgets/WorkbookDialog.h"

Platform::FileDialogOptions workbookSaveOptions(const QString& title, const QString& presetName)
{
    Platform::FileDialogOptions options;
    options.title = title;
    options.filter = QStringLiteral("Cartella di lavoro Excel (*.xlsx)|*.xlsx");
    options.presetName = presetName;
    options.defaultExtension = QStringLiteral("xlsx");
    options.confirmOverwrite = true;
    return options;
}
