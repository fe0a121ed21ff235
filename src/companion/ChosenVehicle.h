#pragma once

#include "archive/StoredVehicle.h"

#include <optional>

class QWidget;

// A vehicle picked in a list to be shown in the card, read afresh from the archive; when
// the archive cannot be read, the archive's message is shown on owner and nothing returned.
std::optional<StoredVehicle> readChosenVehicle(QWidget* owner, int position);
