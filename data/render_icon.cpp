// Renders the program's SVG icon to PNG files for the icon theme's fixed sizes:
//   render_icon ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZE.png for each size
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QSvgRenderer svg(args.value(1));
    if (!svg.isValid() || args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTDIR SIZE...\n");
        return 1;
    }
    for (const QString& size : args.mid(3)) {
        QImage image(size.toInt(), size.toInt(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        if (!image.save(args[2] + '/' + size + QStringLiteral(".png"))) return 1;
    }
    return 0;
}
