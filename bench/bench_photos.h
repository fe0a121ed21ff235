#pragma once

// A slideshow step and the card's Next onto a record with a 6000 x 4000 JPEG photo.
void benchPhotos();
