// The about box: the program, its version and its maker.
#pragma once

#include <QDialog>

namespace fpw::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace fpw::ui
