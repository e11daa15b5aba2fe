#include "picture.h"

#include <cstdio>

#include <QApplication>
#include <QWidget>

namespace fpw::screenshots {

bool save(QWidget& widget, const QDir& out, const QString& name) {
    widget.show();
    QApplication::processEvents();
    // No text cursor in a box: the picture shows the window at rest.
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    return save(widget.grab(), out, name);
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

} // namespace fpw::screenshots
