#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

// Any failure to read or write an INI file that exists or is to be written.
class IniFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A settings file in the INI format, read and written one key at a time. Section and key
// names match whatever their letter case; blanks around names and values do not count.
// Text is single-byte Windows-1252. The first matching section, and within it the first
// matching key, is the one read and written.
namespace IniFile {

// The value of key in section: empty when the file, the section or the key is missing.
// Throws IniFileError when something is at path but cannot be read (a folder, no read
// permission).
QString readValue(const QString& path, const QString& section, const QString& key);

// Sets key in section to value, creating the file or the section when missing. Every
// other line keeps its bytes; the lines written end in CR LF. The whole new file is
// written beside the old one and then renamed over it, so a failed write leaves the old
// file whole. Throws IniFileError when the file is a folder or read-only, or cannot be
// read or replaced (for one, when the folder is not writable).
void writeValue(const QString& path, const QString& section, const QString& key, const QString& value);

struct KeyValue {
    QString key;
    QString value;
};
// The same for several keys of one section, in one replacement of the file: a failure
// leaves every old value, a success writes them all.
void writeValues(const QString& path, const QString& section, const QList<KeyValue>& values);

} // namespace IniFile
