#pragma once

#include "costs/TCostoVeicolo.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// Reads a vehicle's cost file for a scan over many vehicles: read only, in one piece,
// never creating a missing file and never locking. A trailing fragment is no entry.
enum class CostFileState { Missing, Read, Unreadable };

// Hands every entry with an amount to listed, in file order.
CostFileState scanCostFile(const QString& path, const std::function<void(const TCostoVeicolo& entry)>& listed);
// The same with the entry's 122 stored bytes, for a scan that decodes only what it needs.
CostFileState scanCostFileBytes(const QString& path, const std::function<void(QByteArrayView entry)>& listed);
