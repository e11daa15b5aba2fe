#include "ui/editor/editorwindow.h"

#include <QApplication>
#include <QMenuBar>
#include <QStatusBar>

#include "app/identity.h"

namespace fpw::ui {

EditorWindow::EditorWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(app::kProgramTitle.data(),
                                     static_cast<qsizetype>(app::kProgramTitle.size())));
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* exitAction = fileMenu->addAction(tr("E&xit"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    statusBar()->showMessage(tr("Ready"));
}

} // namespace fpw::ui
