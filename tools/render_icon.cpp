// Renders the program's SVG icon as a square PNG of one size, for the desktop's icon theme.
// Usage: render_icon <picture.svg> <size> <out.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool isNumber = false;
    const int size = args.size() == 4 ? args[2].toInt(&isNumber) : 0;
    if (!isNumber || size <= 0) {
        std::fprintf(stderr, "usage: render_icon <picture.svg> <size> <out.png>\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(args[3], "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
