#include "costs/CostFileScan.h"

#include "archive/RecordCodec.h"

#include <QFile>
#include <QFileInfo>

CostFileState scanCostFileBytes(const QString& path, const std::function<void(QByteArrayView entry)>& listed)
{
    QFile file(path);
    // Most files open; only a failure asks whether the file is there at all.
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? CostFileState::Unreadable : CostFileState::Missing;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CostFileState::Unreadable;
    static const StoredField amount = storedField(&TCostoVeicolo::Importo);
    const qsizetype count = bytes.size() / TCostoVeicolo::RecordSize;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView entry =
            QByteArrayView(bytes).sliced(i * TCostoVeicolo::RecordSize, TCostoVeicolo::RecordSize);
        if (!StoredText::trimmedBytes(entry.data() + amount.offset, amount.capacity).isEmpty())
            listed(entry);
    }
    return CostFileState::Read;
}

CostFileState scanCostFile(const QString& path, const std::function<void(const TCostoVeicolo& entry)>& listed)
{
    return scanCostFileBytes(path, [&listed](QByteArrayView entry) { listed(decodeRecord<TCostoVeicolo>(entry)); });
}
