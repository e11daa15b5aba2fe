// The splash screen of start-up: the program's title, its version and the progress of the
// weapon database.
#pragma once

#include <QWidget>

#include "app/startup.h"

class QLabel;
class QProgressBar;

namespace fpw::ui {

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(const QString& version);
    QProgressBar* progressBar() const { return progress_; }

private:
    QProgressBar* progress_;
};

// Start-up's hooks on the desktop: the splash screen and the primary screen's size.
class QtStartupHooks : public app::StartupHooks {
public:
    QtStartupHooks();
    ~QtStartupHooks() override;

    void showSplash(std::string_view version) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgress(int value) override;
    void closeSplash() override;
    app::ScreenSize screenSize() override;

private:
    SplashScreen* splash_ = nullptr;
};

} // namespace fpw::ui
