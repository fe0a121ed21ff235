#pragma once

#include <QString>

// Attached files: copies of the user's files, by bare name, in the folder
// "Documenti_Allegati" of the program folder, which all vehicles share.
namespace Attachments {
// programFolder ends with a separator; so does the result.
QString folder(const QString& programFolder);

// The name without any folder part, "/" or "\", so that a name read from an archive
// written elsewhere never leads out of the folder. "." and ".." give the empty name.
QString bareName(const QString& name);

// What "Apri" hands to the shell: the full path of the slot's file in double quotes, or
// the empty text when the slot names no file.
QString shellTarget(const QString& programFolder, const QString& slotName);

enum class Copy { Copied, SameFile, Failed };
// Copies source over target through a temporary file beside it, so a failure leaves the
// old target whole. When both name the same file nothing is copied.
Copy copyFile(const QString& source, const QString& target);
} // namespace Attachments
