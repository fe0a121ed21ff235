#pragma once

#include "platform/Platform.h"

#include <QString>

// The save dialog of an .xlsx workbook: its filter and extension, with the window's own
// title and preset name, asking before it replaces a file.
Platform::FileDialogOptions workbookSaveOptions(const QString& title, const QString& presetName);
