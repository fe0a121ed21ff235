#include "archive/StoredVehicle.h"

#include "archive/VehicleArchive.h"

StoredVehicle StoredVehicle::read(const QString& programFolder, int position)
{
    VehicleArchive archive(programFolder);
    StoredVehicle vehicle;
    vehicle.position = position;
    vehicle.stored = archive.records().readAt(position - 1);
    vehicle.record = decodeRecord<TSchedaVeicolo>(vehicle.stored);
    archive.close();
    return vehicle;
}
