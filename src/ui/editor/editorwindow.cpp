#include "ui/editor/editorwindow.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/inisettings.h"
#include "app/parameters.h"
#include "app/programcontext.h"
#include "app/recentfiles.h"
#include "editor/documentcommands.h"
#include "editor/omnirules.h"
#include "editor/refresh.h"
#include "editor/writebvs.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/creditsdialog.h"
#include "ui/armor/armorpanel.h"
#include "ui/editor/componentpanel.h"
#include "ui/editor/sheetcommands.h"
#include "ui/editor/systemspanel.h"
#include "ui/equipment/equipmentpanel.h"
#include "ui/omni/omnipanel.h"
#include "ui/preferences/preferencesdialog.h"
#include "ui/prices/priceeditordialog.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/screenunits.h"
#include "ui/slotboard/slotboard.h"

namespace fpw::ui {
namespace {

// The window's first size: roomy on a 1366 x 768 screen, never larger than the screen.
constexpr QSize kPreferredSize(1280, 700);

// A titled place for a panel that is not built yet.
QGroupBox* placeholder(const QString& title, const QString& objectName, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(objectName);
    return box;
}

// How long a finished command's note stays in the status bar.
constexpr int kStatusMessageTime = 5000;

} // namespace

EditorWindow::EditorWindow(app::ProgramContext& ctx, app::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), store_(store), editor_(ctx),
      runner_([this] { showDesign(); }) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(buildDesignHeader());
    layout->addWidget(buildCentralArea(), 1);
    setCentralWidget(central);
    buildMenus();
    buildStatusBar();
    observer_ = editor_.addObserver([this] { runner_.editorChanged(); });
    showDesign();
    placeOnScreen();
}

EditorWindow::~EditorWindow() {
    editor_.removeObserver(observer_);
    // The slot lists watch the editor's design: they go before it does.
    delete board_;
    // The controls are destroyed after the editor and the runner they report to; one that
    // loses the focus on its way out (a name being typed) must not reach them any more.
    for (QObject* child : findChildren<QObject*>()) {
        child->blockSignals(true);
    }
}

QWidget* EditorWindow::buildDesignHeader() {
    auto* header = new QGroupBox(tr("Design"), this);
    header->setObjectName("designGroup");
    auto* row = new QHBoxLayout(header);
    auto addEdit = [&](const QString& caption, const QString& objectName, const QString& tip) {
        auto* label = new QLabel(caption, header);
        auto* edit = new QLineEdit(header);
        edit->setObjectName(objectName);
        edit->setToolTip(tip);
        label->setBuddy(edit);
        row->addWidget(label);
        row->addWidget(edit, 2);
        return edit;
    };
    name_ = addEdit(tr("&Name:"), "mechName", tr("The design's name; needed to save it"));
    model_ = addEdit(tr("&Model:"), "mechModel", tr("The design's model designation"));
    connect(name_, &QLineEdit::editingFinished, this, &EditorWindow::commitTypedText);
    connect(model_, &QLineEdit::editingFinished, this, &EditorWindow::commitTypedText);
    weightClass_ = new QLabel(header);
    weightClass_->setObjectName("weightClass");
    weightClass_->setToolTip(tr("Weight class"));
    weightClass_->setMinimumWidth(fontMetrics().horizontalAdvance("Assault Mech") + 8);
    overweight_ = new QLabel(tr("Overweight!"), header);
    overweight_->setObjectName("overweight");
    overweight_->setStyleSheet("QLabel { color: white; background: #c0392b; padding: 2px 6px; "
                               "border-radius: 3px; font-weight: bold; }");
    overweight_->setToolTip(tr("The design weighs more than its tonnage: it cannot be saved"));
    saved_ = new QLabel(header);
    saved_->setObjectName("saved");
    saved_->setMinimumWidth(fontMetrics().horizontalAdvance("Not Saved") + 8);
    row->addSpacing(12);
    row->addWidget(weightClass_);
    row->addWidget(overweight_);
    row->addWidget(saved_);
    return header;
}

QWidget* EditorWindow::buildCentralArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    auto* tabs = new QTabWidget(area);
    tabs->setObjectName("panelTabs");
    components_ = new ComponentPanel(editor_, runner_, tabs);
    systems_ = new SystemsPanel(editor_, runner_, tabs);
    tabs->addTab(components_, tr("&Components"));
    tabs->addTab(systems_, tr("&Systems"));
    tabs->addTab(systems_->armsPage(), tr("&Arms && CASE"));
    tabs->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    // Every page as wide as the widest, so that switching tabs does not move the board.
    int width = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        width = std::max(width, tabs->widget(page)->sizeHint().width());
    }
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->widget(page)->setMinimumWidth(width);
    }
    row->addWidget(tabs);

    // The slot board, the equipment lists, the armour and the omni variants.
    auto* slots = placeholder(tr("Critical Slots"), "slotBoardGroup", area);
    board_ = new SlotBoard(editor_, runner_, slots);
    auto* slotsLayout = new QVBoxLayout(slots);
    slotsLayout->setContentsMargins(4, 4, 4, 4);
    slotsLayout->addWidget(board_);
    row->addWidget(slots, 3);
    auto* side = new QVBoxLayout;
    equipment_ = new EquipmentPanel(editor_, runner_, area);
    side->addWidget(equipment_, 3);
    armor_ = new ArmorPanel(editor_, runner_, area);
    side->addWidget(armor_);
    omni_ = new OmniPanel(editor_, runner_, area);
    side->addWidget(omni_);
    row->addLayout(side, 2);
    return area;
}

void EditorWindow::buildMenus() {
    // Commands whose windows are not built yet stay in their place, disabled.
    auto add = [this](QMenu* menu, const QString& text, const QString& objectName,
                      QKeySequence shortcut = {}, bool enabled = false) {
        QAction* action = menu->addAction(text);
        action->setObjectName(objectName);
        action->setShortcut(shortcut);
        action->setEnabled(enabled);
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("fileMenu");
    auto command = [this](QAction* action, bool (*handler)(editor::Editor&)) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, handler] { runDocumentCommand(handler); });
    };
    // The windows of the record sheets, the summary and the pilots, over the current design.
    auto sheetCommand = [this](QAction* action, void (*open)(editor::Editor&, QWidget*)) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, open] {
            commitTypedText();
            open(editor_, this);
        });
    };
    command(add(file, tr("&New"), "newAction", QKeySequence::New), &editor::NewMech);
    command(add(file, tr("&Open..."), "openAction", QKeySequence::Open), &editor::OpenMechCommand);
    command(add(file, tr("&Save"), "saveAction", QKeySequence::Save), &editor::SaveMechCommand);
    command(add(file, tr("Save &As..."), "saveAsAction", QKeySequence::SaveAs),
            &editor::SaveMechAsCommand);
    QAction* mux = add(file, tr("Save &MUX..."), "saveMuxAction");
    command(mux, &editor::SaveMUXCommand);
    mux->setVisible(app::ParmExists(ctx_, app::parameter::kMuxSaving));
    file->addSeparator();
    sheetCommand(add(file, tr("&Print..."), "printAction", QKeySequence::Print), &openPrintWindow);
    sheetCommand(add(file, tr("Print Pre&view..."), "printPreviewAction"), &openPrintPreview);
    file->addSeparator();
    QAction* writeBVs = add(file, tr("Write &BVs..."), "writeBVsAction", {}, true);
    connect(writeBVs, &QAction::triggered, this, &EditorWindow::writeBattleValues);
    file->addSeparator();
    recent_ = file->addMenu(tr("&Recent Files"));
    recent_->setObjectName("recentMenu");
    showRecentFiles();
    file->addSeparator();
    QAction* exit = add(file, tr("E&xit"), "exitAction", QKeySequence::Quit, true);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("editMenu");
    undo_ = add(edit, tr("&Undo"), "undoAction", QKeySequence::Undo);
    redo_ = add(edit, tr("&Redo"), "redoAction");
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undo_, &QAction::triggered, this, [this] { runner_.run([this] { editor_.undo(); }); });
    connect(redo_, &QAction::triggered, this, [this] { runner_.run([this] { editor_.redo(); }); });

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName("toolsMenu");
    sheetCommand(add(tools, tr("&Summary..."), "summaryAction"), &openSummary);
    add(tools, tr("&History..."), "historyAction");
    add(tools, tr("&Units..."), "unitsAction");
    add(tools, tr("S&earch..."), "searchAction");
    add(tools, tr("&Damage Chart..."), "damageChartAction");
    sheetCommand(add(tools, tr("&Multi-Print..."), "multiPrintAction"), &openMultiPrint);
    sheetCommand(add(tools, tr("P&ilots..."), "pilotsAction"), &openPilots);
    tools->addSeparator();
    QAction* prices = add(tools, tr("P&rices..."), "pricesAction", {}, true);
    prices->setVisible(ctx_.priceEditorEnabled);
    connect(prices, &QAction::triggered, this, &EditorWindow::openPriceEditor);
    QAction* preferences =
        add(tools, tr("Pre&ferences..."), "preferencesAction", QKeySequence::Preferences, true);
    connect(preferences, &QAction::triggered, this, &EditorWindow::openPreferences);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("helpMenu");
    QAction* credits = add(help, tr("&Credits..."), "creditsAction", {}, ctx_.creditsLoaded);
    connect(credits, &QAction::triggered, this, &EditorWindow::openCredits);
    QAction* about = add(help, tr("&About..."), "aboutAction", {}, true);
    connect(about, &QAction::triggered, this, &EditorWindow::openAbout);
}

void EditorWindow::buildStatusBar() {
    static const std::array<const char*, 7> kKeys{
        "colTotalTonnage",  "colFreeTonnage", "colFreeSlots", "colMaxHeat",
        "colHeatDissipate", "colCost",        "colBV"};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        auto* panel = new QLabel(statusBar());
        panel->setObjectName(kKeys[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        statusBar()->addPermanentWidget(panel, 1);
        statusPanels_[i] = panel;
    }
}

void EditorWindow::placeOnScreen() {
    const QScreen* screen = this->screen();
    QSize size = kPreferredSize.expandedTo(minimumSizeHint());
    if (screen != nullptr) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    resize(size);
    move(twipsToPixels(ctx_.settings.left, ctx_.settings.top, screen));
}

void EditorWindow::showDesign() {
    const editor::EditorDisplay& display = editor_.display();
    const model::Mech& mech = editor_.mech();
    // A box keeps only text still being typed: once committed, a new design, an undo or an
    // opened file shows in it, or the next command would commit the stale text again.
    for (const auto& [box, stored] :
         {std::pair{name_, &mech.mechName()}, std::pair{model_, &mech.mechModel()}}) {
        if (!box->hasFocus() || !box->isModified()) {
            box->setText(toQString(*stored));
        }
    }
    weightClass_->setText(toQString(display.weightClass));
    overweight_->setVisible(display.overweight);
    saved_->setText(toQString(display.savedText));
    saved_->setStyleSheet(editor_.saved() ? "QLabel { color: #2e7d32; }"
                                          : "QLabel { color: #b25f00; font-weight: bold; }");
    components_->showDesign();
    systems_->showDesign();
    board_->showDesign();
    equipment_->showDesign();
    armor_->showDesign();
    omni_->showDesign();
    showBaseChassisLock();

    const std::array<const std::string*, 7> texts{
        &display.totalTonnage,  &display.freeTonnage, &display.freeSlots, &display.maxHeat,
        &display.heatDissipate, &display.cost,        &display.bv};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        statusPanels_[i]->setText(toQString(*texts[i]));
    }
    undo_->setEnabled(editor_.canUndo());
    redo_->setEnabled(editor_.canRedo());

    setWindowTitle(toQString(editor::windowTitle(editor_)));
}

void EditorWindow::showBaseChassisLock() {
    if (editor::omniControls(editor_).baseChassisEditable) {
        return;
    }
    // Engine, structure, armour and what the chassis carries; heat sinks, jump jets, weapons
    // and the other pod space equipment differ between variants.
    static const std::array<const char*, 27> kBaseChassisControls{
        "tonnage",       "techBase",         "techLevel",
        "mechType",      "engine",           "walking",
        "gyro",          "cockpit",          "structure",
        "armor",         "heatSinkType",     "masc",
        "tsm",           "supercharger",     "superchargerLocation",
        "nullSignature", "improvedJumpJets", "limitCrits",
        "fractional",    "leftTurret",       "rightTurret",
        "armless",       "armorSlider",      "balanceArmor",
        "maximumArmor",  "addArmorPoints",   "addArmorTonnage"};
    for (const char* name : kBaseChassisControls) {
        if (auto* control = findChild<QWidget*>(name)) {
            control->setEnabled(false);
        }
    }
}

void EditorWindow::commitTypedText() {
    // Return, leaving the box or a command: a name still being typed belongs to the design.
    name_->setModified(false);
    model_->setModified(false);
    if (name_->text().toStdString() != editor_.mech().mechName()) {
        runner_.run([this] { editor::SetMechName(editor_, name_->text().toStdString()); });
    }
    if (model_->text().toStdString() != editor_.mech().mechModel()) {
        runner_.run([this] { editor::SetMechModel(editor_, model_->text().toStdString()); });
    }
}

void EditorWindow::runDocumentCommand(bool (*command)(editor::Editor&)) {
    commitTypedText();
    bool done = false;
    runner_.run([&] { done = command(editor_); });
    if (done) {
        rememberFile();
    }
}

void EditorWindow::rememberFile() {
    app::addRecentFile(store_, editor_.mech().saveFilename());
    showRecentFiles();
}

void EditorWindow::showRecentFiles() {
    recent_->clear();
    const std::vector<std::string> files = app::readRecentFiles(store_);
    for (std::size_t i = 0; i < files.size(); ++i) {
        // A "&" in a path is no keyboard mnemonic.
        const QString path = toQString(files[i]).replace("&", "&&");
        QAction* entry = recent_->addAction(QString("&%1 %2").arg(i + 1).arg(path));
        connect(entry, &QAction::triggered, this, [this, path = files[i]] {
            commitTypedText();
            bool opened = false;
            runner_.run([&] { opened = editor::OpenMechFile(editor_, path); });
            if (opened) {
                rememberFile();
            }
        });
    }
    recent_->setEnabled(!files.empty());
}

void EditorWindow::writeBattleValues() {
    app::FileDialogRequest request;
    request.title = tr("Write BVs").toStdString();
    request.initialDirectory = ctx_.settings.lastDir;
    const std::optional<std::string> folder = ctx_.user.folderDialog(request);
    if (!folder || folder->empty()) {
        return;
    }
    QProgressDialog progress(tr("Writing the Battle Values to the log..."), tr("Cancel"), 0, 0,
                             this);
    progress.setObjectName("writeBVsProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const editor::WriteBVsResult result = editor::WriteBVs(ctx_, *folder, [&progress](int done) {
        progress.setLabelText(tr("Writing the Battle Values to the log: %1 files").arg(done));
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.reset();
    statusBar()->showMessage(toQString(result.statusText), kStatusMessageTime);
}

void EditorWindow::openPreferences() {
    PreferencesDialog dialog(ctx_, store_, this);
    dialog.exec();
}

void EditorWindow::openPriceEditor() {
    PriceEditorDialog dialog(ctx_, this);
    dialog.exec();
    // The design's cost follows the new prices; its figures are no change to the design.
    editor::GenTotalCostAndBV(editor_);
    showDesign();
}

void EditorWindow::openCredits() {
    CreditsDialog dialog(ctx_.credits, this);
    dialog.exec();
}

void EditorWindow::openAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Closing can be asked for more than once (Exit, then the window manager); the position
    // and the log's last line are written once.
    if (!closed_) {
        commitTypedText();
        if (!editor::ConfirmClose(editor_)) {
            showDesign();
            event->ignore();
            return;
        }
        closed_ = true;
        const QScreen* screen = this->screen();
        app::WriteEditorPosition(store_, pixelsToTwips(y(), screen), pixelsToTwips(x(), screen),
                                 ctx_.settings.lastDir);
        editor::WriteClosingLog(editor_);
    }
    event->accept();
}

} // namespace fpw::ui
