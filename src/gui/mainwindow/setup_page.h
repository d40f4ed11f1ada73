// The printed set-up drawn on a page: a printer or a PDF file, A4, everything on one page.
#pragma once

#include <QPagedPaintDevice>

#include "rules/program/print_sheet.h"

namespace qv {

// Draws `sheet` on one A4 page of `device`; false when the device could not be drawn on.
bool PaintSetupPage(QPagedPaintDevice& device, const PrintSheet& sheet);

}  // namespace qv
