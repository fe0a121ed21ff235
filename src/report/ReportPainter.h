#pragma once

#include "report/PreparedReport.h"

class QPagedPaintDevice;
class QPainter;

namespace Report {

// Paints one prepared page; the painter's unit must be the report unit, with the
// origin at the paper's top-left corner.
void paintPage(QPainter& painter, const PreparedPage& page);

// Paints pages from..to (1-based, inclusive; 0 for "to the last") on any paged device:
// a printer, the preview's printer or a PDF writer. The device takes the report's paper
// and orientation. Pages are painted one by one as the device takes them; nothing is
// held as an image. Raises PaintFailed when the device cannot be painted on.
void paint(const PreparedReport& report, QPagedPaintDevice& device, int fromPage = 1, int toPage = 0);

} // namespace Report
