// The desktop program: Qt's entry point over the program's start-up.
#include <QApplication>

#include "app/programcontext.h"
#include "app/startup.h"
#include "ui/editor/editorwindow.h"
#include "ui/services/qsettingsstore.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/splashscreen.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    fpw::ui::QtUserInteraction user;
    fpw::app::ProgramContext ctx(QCoreApplication::applicationDirPath().toStdString(), user);
    fpw::ui::QSettingsStore store;
    {
        fpw::ui::QtStartupHooks hooks;
        if (!fpw::app::RunStartup(ctx, store, hooks)) {
            return 1;
        }
    }
    fpw::ui::EditorWindow window(ctx, store);
    user.setParent(&window);
    window.show();
    return application.exec();
}
