#pragma once

#include <QString>

// How a window names a vehicle. Every part is trimmed first.
namespace VehicleTitle {
// "Marca Modello", or the one of the two that is not empty.
QString makeAndModel(const QString& marca, const QString& modello);
// "Marca Modello targata TARGA", as the companion windows' titles say it.
QString withPlate(const QString& marca, const QString& modello, const QString& targa);
} // namespace VehicleTitle
