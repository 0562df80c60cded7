#pragma once
// The program's icon, a shopping cart, from the SVG that the desktop's icon theme also gets.
#include <QPixmap>

namespace cw {

// The icon at `size` by `size` device-independent pixels, on a transparent background.
QPixmap AppIcon(int size);

} // namespace cw
