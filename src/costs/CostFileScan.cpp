#include "costs/CostFileScan.h"

#include <QFile>

CostFileState scanCostFile(const QString& path, const std::function<void(const TCostoVeicolo& entry)>& listed)
{
    QFile file(path);
    if (!file.exists())
        return CostFileState::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return CostFileState::Unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CostFileState::Unreadable;
    const qsizetype count = bytes.size() / TCostoVeicolo::RecordSize;
    for (qsizetype i = 0; i < count; ++i) {
        const TCostoVeicolo entry = decodeRecord<TCostoVeicolo>(
            QByteArrayView(bytes).sliced(i * TCostoVeicolo::RecordSize, TCostoVeicolo::RecordSize));
        if (!entry.Importo.isEmpty()) // decoded text is already trimmed
            listed(entry);
    }
    return CostFileState::Read;
}
