#include "picture.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace fpw::screenshots {
namespace {

int distance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

// The picture with a palette of its 256 most frequent colours, every other colour drawn in
// its nearest one: a window's flat colours stay exact, only the edges of text change a shade,
// and the file is a fraction of the size.
QImage withPalette(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++counts[line[x]];
        }
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        byCount.emplace_back(it.value(), it.key());
    }
    std::sort(byCount.begin(), byCount.end(), std::greater<>());
    byCount.resize(std::min<std::size_t>(byCount.size(), 256));
    QList<QRgb> palette;
    for (const auto& entry : byCount) {
        palette << entry.second;
    }
    QHash<QRgb, int> nearest;
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            auto found = nearest.constFind(line[x]);
            if (found == nearest.constEnd()) {
                int best = 0;
                for (int i = 1; i < palette.size(); ++i) {
                    if (distance(palette[i], line[x]) < distance(palette[best], line[x])) {
                        best = i;
                    }
                }
                found = nearest.insert(line[x], best);
            }
            out[x] = static_cast<uchar>(*found);
        }
    }
    return indexed;
}

} // namespace

QPixmap atRest(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    return widget.grab();
}

bool save(QWidget& widget, const QDir& out, const QString& name) {
    return save(atRest(widget), out, name);
}

bool save(const QPixmap& picture, const QDir& out, const QString& name) {
    const QString path = out.filePath(name + ".png");
    if (!withPalette(picture.toImage()).save(path, "PNG", 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QPixmap withPopup(const QPixmap& window, const QPixmap& popup, QPoint at) {
    QPixmap picture(
        window.size().expandedTo(QSize(at.x() + popup.width(), at.y() + popup.height())));
    picture.fill(QApplication::palette().window().color());
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, window);
    painter.drawPixmap(at, popup);
    return picture;
}

} // namespace fpw::screenshots
