// Renders the program's SVG icon to square PNGs for the icon theme, at build
// time: render-icon SVG OUT_DIR SIZE... writes OUT_DIR/SIZExSIZE/tagomat.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: render-icon SVG OUT_DIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(arguments.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2").arg(arguments.at(2)).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) || !image.save(folder + "/tagomat.png")) {
            std::fprintf(stderr, "render-icon: cannot write the %s icon\n", qPrintable(sizeText));
            return 1;
        }
    }
    return 0;
}
