// Draws the program's SVG icon as a square PNG of the given size.
// usage: trv_symbol_png ICON.svg SIZE OUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int groesse = argc == 4 ? std::atoi(argv[2]) : 0;
    if (groesse < 1 || groesse > 4096) {
        std::fprintf(stderr, "usage: trv_symbol_png ICON.svg SIZE OUT.png\n");
        return 64;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a readable SVG picture\n", argv[1]);
        return 1;
    }
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    svg.render(&maler);
    maler.end();
    if (!bild.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: the picture could not be written\n", argv[3]);
        return 1;
    }
    return 0;
}
