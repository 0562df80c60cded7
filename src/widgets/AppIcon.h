#pragma once
// The program's icon, a shopping cart, drawn rather than loaded so it needs no resource file.
#include <QPixmap>

namespace cw {

// The icon at `size` by `size` device-independent pixels, on a transparent background.
QPixmap AppIcon(int size);

} // namespace cw
