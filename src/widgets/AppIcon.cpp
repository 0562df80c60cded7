#include "widgets/AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace cw {

QPixmap AppIcon(int size) {
    // The one drawing of the icon, also installed for the desktop's icon theme.
    static QSvgRenderer svg(QStringLiteral(":/io.github.cartwise.Cartwise.svg"));
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    return pixmap;
}

} // namespace cw
