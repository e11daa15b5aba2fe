#include "picture.h"

#include <cstdio>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace fpw::screenshots {

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
    if (!picture.save(path)) {
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
