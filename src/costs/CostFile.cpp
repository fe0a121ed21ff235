#include "costs/CostFile.h"

CostFile::CostFile(const QString& programFolder, int position) : RecordFile(programFolder + fileName(position)) {}

QString CostFile::fileName(int position)
{
    return QStringLiteral("Costi_Veicolo_") + QString::number(position) + QStringLiteral(".pro");
}
