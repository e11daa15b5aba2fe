#include "ui/services/splashscreen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/identity.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/screenunits.h"

namespace fpw::ui {

SplashScreen::SplashScreen(const QString& version)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(toQString(app::kProgramTitle), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    auto* company = new QLabel(toQString(app::kCompanyName), this);
    company->setAlignment(Qt::AlignCenter);
    auto* versionLabel = new QLabel(version, this);
    versionLabel->setObjectName("version");
    versionLabel->setAlignment(Qt::AlignCenter);
    progress_ = new QProgressBar(this);
    progress_->setTextVisible(false);
    layout->addWidget(title);
    layout->addWidget(company);
    layout->addWidget(versionLabel);
    layout->addWidget(progress_);
    resize(360, 160);
}

QtStartupHooks::QtStartupHooks() = default;

QtStartupHooks::~QtStartupHooks() {
    delete splash_;
}

void QtStartupHooks::showSplash(std::string_view version) {
    if (splash_ == nullptr) {
        splash_ = new SplashScreen(toQString(version));
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        splash_->move(area.center() - splash_->rect().center());
    }
    splash_->show();
}

void QtStartupHooks::setProgressRange(int minimum, int maximum) {
    if (splash_ != nullptr) {
        splash_->progressBar()->setRange(minimum, maximum);
    }
}

void QtStartupHooks::setProgress(int value) {
    if (splash_ != nullptr) {
        splash_->progressBar()->setValue(value);
    }
}

void QtStartupHooks::closeSplash() {
    delete splash_;
    splash_ = nullptr;
}

app::ScreenSize QtStartupHooks::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect geometry = screen->geometry();
    return {pixelsToTwips(geometry.width(), screen), pixelsToTwips(geometry.height(), screen)};
}

} // namespace fpw::ui
