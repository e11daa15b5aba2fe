// The design editor's main window.
#pragma once

#include <QMainWindow>

namespace fpw::app {
struct ProgramContext;
class SettingsStore;
} // namespace fpw::app

namespace fpw::ui {

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens at the position of ctx.settings; on closing stores its position and the last
    // folder in `store` and writes the log's closing line. Both must outlive the window.
    EditorWindow(app::ProgramContext& ctx, app::SettingsStore& store, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    app::ProgramContext& ctx_;
    app::SettingsStore& store_;
    bool closed_ = false;
};

// The editor's size as start-up places it: 9255 x 7215 twips.
inline constexpr int kEditorWidthTwips = 9255;
inline constexpr int kEditorHeightTwips = 7215;

} // namespace fpw::ui
