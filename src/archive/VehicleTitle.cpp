#include "archive/VehicleTitle.h"

#include "archive/StoredText.h"

QString VehicleTitle::makeAndModel(const QString& marca, const QString& modello)
{
    const QString make = StoredText::trimmed(marca);
    const QString model = StoredText::trimmed(modello);
    if (model.isEmpty())
        return make;
    if (make.isEmpty())
        return model;
    return make + QLatin1Char(' ') + model;
}

QString VehicleTitle::withPlate(const QString& marca, const QString& modello, const QString& targa)
{
    return StoredText::trimmed(marca) + QLatin1Char(' ') + StoredText::trimmed(modello) + QStringLiteral(" targata ") +
           StoredText::trimmed(targa);
}
