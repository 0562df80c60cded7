#pragma once
// A QR code of a text in UTF-8 (declared as such, so that a phone's reader takes it as UTF-8),
// at error correction level M, as an image: black modules on white, each `scale` pixels, with
// the quiet zone of four modules around it. libqrencode makes the symbol.
#include <QByteArray>
#include <QImage>

namespace cw {

class QrCode {
public:
    // Throws Failure when the text does not fit a code.
    explicit QrCode(const QByteArray& utf8);

    int modules() const { return m_width; } // across, without the quiet zone
    bool dark(int x, int y) const;
    QImage image(int scale) const;

private:
    int m_width = 0;
    QByteArray m_modules; // one byte each, row by row: 1 dark
};

} // namespace cw
