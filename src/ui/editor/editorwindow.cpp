#include "ui/editor/editorwindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "app/identity.h"
#include "app/inisettings.h"
#include "app/log.h"
#include "app/programcontext.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/splashscreen.h"

namespace fpw::ui {

EditorWindow::EditorWindow(app::ProgramContext& ctx, app::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), store_(store) {
    setWindowTitle(toQString(app::kProgramTitle));
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName("fileMenu");
    QAction* exitAction = fileMenu->addAction(tr("E&xit"));
    exitAction->setObjectName("exitAction");
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    statusBar()->showMessage(tr("Ready"));

    resize(kEditorWidthTwips / kTwipsPerPixel, kEditorHeightTwips / kTwipsPerPixel);
    move(ctx_.settings.left / kTwipsPerPixel, ctx_.settings.top / kTwipsPerPixel);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Closing can be asked for more than once (Exit, then the window manager); the position
    // and the log's last line are written once.
    if (!closed_) {
        closed_ = true;
        app::WriteEditorPosition(store_, y() * kTwipsPerPixel, x() * kTwipsPerPixel,
                                 ctx_.settings.lastDir);
        ctx_.log.close(app::localTimeNow());
    }
    event->accept();
}

} // namespace fpw::ui
