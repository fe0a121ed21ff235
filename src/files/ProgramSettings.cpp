#include "files/ProgramSettings.h"

ProgramSettings::ProgramSettings(const QString& programFolder) : m_path(programFolder + fileName()) {}

QString ProgramSettings::fileName()
{
    return QStringLiteral("Corvanta.ini");
}

QString ProgramSettings::value(const QString& section, const QString& key) const
{
    try {
        return IniFile::readValue(m_path, section, key);
    } catch (const IniFileError&) {
        return {};
    }
}

void ProgramSettings::write(const QString& section, const QList<IniFile::KeyValue>& values) const
{
    IniFile::writeValues(m_path, section, values);
}
