#include "companion/ChosenVehicle.h"

#include "archive/VehicleArchive.h"
#include "platform/Platform.h"

std::optional<StoredVehicle> readChosenVehicle(QWidget* owner, int position)
{
    try {
        return StoredVehicle::read(Platform::instance().programFolder(), position);
    } catch (const FileAccessError&) {
        Messages::error(owner, ArchiveMessages::accessFailure());
        return std::nullopt;
    }
}
