// The design editor's main window.
#pragma once

#include <QMainWindow>

namespace fpw::ui {

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);
};

} // namespace fpw::ui
