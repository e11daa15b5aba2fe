// The desktop program: Qt's entry point over the program's start-up.
#include <QApplication>

#include "ui/editor/editorwindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    fpw::ui::EditorWindow window;
    window.resize(900, 700);
    window.show();
    return application.exec();
}
