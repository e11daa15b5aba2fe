// Writing the pictures: each one a PNG file in the output folder, its path printed.
#pragma once

#include <QDir>
#include <QPixmap>
#include <QString>

class QWidget;

namespace fpw::screenshots {

// Shows the widget, lets it settle and takes its picture at rest (no text cursor in a box).
QPixmap atRest(QWidget& widget);
// Writes the widget's picture at rest as NAME.png. False (with a message) when the file
// cannot be written.
bool save(QWidget& widget, const QDir& out, const QString& name);
bool save(const QPixmap& picture, const QDir& out, const QString& name);
// The picture of a pop-up (a menu, a list's drop-down) laid over the picture of the window it
// opened from, at `at`; the canvas grows where the pop-up reaches past the window.
QPixmap withPopup(const QPixmap& window, const QPixmap& popup, QPoint at);

} // namespace fpw::screenshots
