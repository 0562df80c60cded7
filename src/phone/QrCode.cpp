#include "phone/QrCode.h"

#include "core/Failure.h"

#include <QPainter>
#include <cerrno>
#include <memory>
#include <qrencode.h>

namespace cw {

QrCode::QrCode(const QByteArray& utf8) {
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M),
                                                                  &QRinput_free);
    if (!input) throw Failure::fromErrno(errno);
    // ECI 26: the bytes that follow are UTF-8.
    if (QRinput_appendECIheader(input.get(), 26) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, int(utf8.size()),
                       reinterpret_cast<const unsigned char*>(utf8.constData())) != 0)
        throw Failure::fromErrno(errno);
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeInput(input.get()),
                                                               &QRcode_free);
    if (!code) throw Failure::fromErrno(errno);
    m_width = code->width;
    m_modules.resize(qsizetype(m_width) * m_width);
    for (qsizetype i = 0; i < m_modules.size(); ++i)
        m_modules[i] = char(code->data[i] & 1);
}

bool QrCode::dark(int x, int y) const {
    return m_modules[qsizetype(y) * m_width + x] != 0;
}

QImage QrCode::image(int scale) const {
    const int side = (m_width + 8) * scale;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < m_width; ++y)
        for (int x = 0; x < m_width; ++x)
            if (dark(x, y))
                painter.fillRect((x + 4) * scale, (y + 4) * scale, scale, scale, Qt::black);
    return image;
}

} // namespace cw
