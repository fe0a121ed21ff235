#pragma once

#include <QImage>

// The built-in picture shown when a vehicle has no photo: 308 x 173 pixels.
QImage placeholderPicture();
