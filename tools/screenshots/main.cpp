// fpw-screenshots OUTDIR: starts the program's windows over the reference files beside the
// executable, without a person, and writes a PNG picture of each into OUTDIR: the editor with
// a sample design (both panel tabs), the allocation dialogs and every small window. Ends with
// status 1 when a picture cannot be written or the editor does not fit a 1366 x 768 screen.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "app/programcontext.h"
#include "app/startup.h"
#include "app/unattendeduser.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/armor.h"
#include "editor/components.h"
#include "editor/documentcommands.h"
#include "editor/systems.h"
#include "editor/weaponlistactions.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/creditsdialog.h"
#include "ui/dialogs/multiallocatedialog.h"
#include "ui/dialogs/spreaddialog.h"
#include "ui/editor/actionrunner.h"
#include "ui/editor/editorwindow.h"
#include "ui/pilots/frmeditpilots.h"
#include "ui/preferences/preferencesdialog.h"
#include "ui/prices/priceeditordialog.h"
#include "ui/services/splashscreen.h"

namespace {

using namespace fpw;

// Nobody answers: messages go to the console, questions get "No".
class NobodyAtTheKeyboard : public app::UnattendedUser {
public:
    void message(std::string_view text, std::string_view title, app::MessageIcon) override {
        std::fprintf(stderr, "message: %.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                     static_cast<int>(text.size()), text.data());
    }
    app::Answer askYesNoCancel(std::string_view, std::string_view) override {
        return app::Answer::No;
    }
};

// The screen the editor must fit, less a window frame's title bar.
constexpr QSize kSmallestScreen(1366, 768 - 32);

bool save(QWidget& widget, const QDir& out, const QString& name) {
    widget.show();
    QApplication::processEvents();
    // No text cursor in a box: the picture shows the window at rest.
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    const QString path = out.filePath(name + ".png");
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Weapons found by name in the available list, each dropped on the first free run of its
// location and the rest left unallocated, so that the board shows both.
void addWeapons(editor::Editor& editor) {
    const std::vector<std::pair<std::string, int>> wanted{
        {"Large Laser", catalog::kRightArm},     {"Medium Laser", catalog::kLeftArm},
        {"Medium Laser", catalog::kLeftArm},     {"SRM-2", catalog::kLeftTorso},
        {"Small Laser", catalog::kHead},         {"LRM-5", catalog::kRightTorso},
        {"Medium Laser", catalog::kCenterTorso}, {"LRM-5 Ammo", catalog::kRightTorso},
        {"SRM-2 Ammo", catalog::kLeftTorso},
    };
    for (const auto& [name, location] : wanted) {
        const auto& available = editor.availableWeapons();
        const auto found = std::find_if(available.begin(), available.end(),
                                        [&](const auto& row) { return row.text == name; });
        if (found == available.end()) {
            std::fprintf(stderr, "no weapon %s to add\n", name.c_str());
            continue;
        }
        editor::AddWeapons(editor, {found->refID});
        const auto& unallocated = editor.unallocatedWeapons();
        if (unallocated.empty()) {
            continue;
        }
        const std::int16_t weapon = unallocated.back().weaponIndex;
        const model::CritLocation& list = editor.mech().critLocation(location);
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (!list.IsOccupied(slot) &&
                editor::DropWeapon(editor, location, slot, weapon).result ==
                    editor::DropResult::Placed) {
                break;
            }
        }
    }
    editor::AddWeapons(editor, {editor.availableWeapons().front().refID});
}

// A medium design with a few systems, as far as the rules accept them.
void buildSampleDesign(editor::Editor& editor) {
    editor::SetMechName(editor, "Vindicator");
    editor::SetMechModel(editor, "VND-1R");
    editor::ChangeTechLevel(editor, 2);
    editor::ChangeTonnage(editor, 45);
    editor::ChangeWalking(editor, 4);
    editor::ChangeJumping(editor, 4);
    editor::ChangeHeatSinkCount(editor, 11);
    editor::SetCASE(editor, 1, 1);
    editor::MaximumArmor(editor);
    addWeapons(editor);
}

// The spread dialog for a cannon dropped below an arm's hand actuator and the multi-allocate
// dialog for the design's unplaced jump jets.
bool saveAllocationDialogs(editor::Editor& editor, const QDir& out) {
    ui::ActionRunner runner([] {});
    bool ok = true;
    const auto& available = editor.availableWeapons();
    const auto cannon = std::find_if(available.begin(), available.end(),
                                     [](const auto& row) { return row.text == "AC/20"; });
    if (cannon != available.end() && editor::AddWeapons(editor, {cannon->refID})) {
        const std::int16_t weapon = editor.unallocatedWeapons().back().weaponIndex;
        if (const auto request = editor::spreadRequest(editor, catalog::kLeftArm, 4, weapon)) {
            ui::SpreadDialog spread(editor, runner, *request);
            ok = save(spread, out, "spread") && ok;
        }
        editor.undo();
    }
    for (const editor::UnallocatedItem& row : editor.items().rows()) {
        if (const auto request = editor::multiAllocateRequest(editor, row.code)) {
            ui::MultiAllocateDialog allocate(editor, runner, *request);
            ok = save(allocate, out, "multi-allocate") && ok;
            break;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fpw-screenshots OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    NobodyAtTheKeyboard nobody;
    app::ProgramContext ctx(QCoreApplication::applicationDirPath().toStdString(), nobody);
    app::MemorySettingsStore store;
    app::StartupHooks hooks;
    if (!app::RunStartup(ctx, store, hooks)) {
        return 1;
    }
    bool ok = true;

    ui::EditorWindow window(ctx, store);
    buildSampleDesign(window.editor());
    const QSize needed = window.minimumSizeHint();
    if (needed.width() > kSmallestScreen.width() || needed.height() > kSmallestScreen.height()) {
        std::fprintf(stderr, "the editor needs %dx%d: larger than a 1366 x 768 screen\n",
                     needed.width(), needed.height());
        ok = false;
    }
    window.resize(kSmallestScreen);
    ok = save(window, out, "editor") && ok;
    if (auto* tabs = window.findChild<QTabWidget*>("panelTabs")) {
        tabs->setCurrentIndex(1);
        ok = save(window, out, "editor-systems") && ok;
    }

    ok = saveAllocationDialogs(window.editor(), out) && ok;

    ui::PreferencesDialog preferences(ctx, store);
    ok = save(preferences, out, "preferences") && ok;
    ui::PriceEditorDialog prices(ctx);
    ok = save(prices, out, "prices") && ok;
    ui::CreditsDialog credits(ctx.credits);
    ok = save(credits, out, "credits") && ok;
    ui::AboutDialog about;
    ok = save(about, out, "about") && ok;
    ui::FrmEditPilots pilots(ctx);
    ok = save(pilots, out, "pilots") && ok;
    ui::SplashScreen splash(QString::fromStdString(app::versionText()));
    ok = save(splash, out, "splash") && ok;
    return ok ? 0 : 1;
}
