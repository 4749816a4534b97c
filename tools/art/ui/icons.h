// The ten recovery-item icons and the empty-row icon, 32 x 32, shared by the menu's
// items page and the shop rows.
#pragma once
#include <cairo.h>

namespace ui {

// kind 0..9 as the shop list; 10 draws the empty-row icon. (x, y) is the cell's top-left.
void DrawItemIcon(cairo_t* cr, int kind, double x, double y);

}  // namespace ui
