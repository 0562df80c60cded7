#pragma once
// Window layouts are drawn in twips; 15 twips make one device-independent pixel.
#include <QRect>

namespace cw {

constexpr int twips(int t) {
    return (t + 7) / 15;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace cw
