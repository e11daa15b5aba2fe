// fpw-screenshots OUTDIR: starts the program's windows over the reference files beside the
// executable, without a person, and writes a PNG picture of each into OUTDIR: the editor with
// a complete sample design (each panel tab), the slot board alone, the slot pop-up menu, the
// allocation and ammunition dialogs, an OmniMech with two variants (its variant list open)
// and every small window. Ends with status 1 when a picture cannot be written, the editor
// does not fit a 1366 x 768 screen or a slot's text is cut.
#include <cstdio>
#include <string>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

#include "app/programcontext.h"
#include "app/startup.h"
#include "dialogshots.h"
#include "nobody.h"
#include "picture.h"
#include "sampledesign.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/creditsdialog.h"
#include "ui/editor/editorwindow.h"
#include "ui/pilots/frmeditpilots.h"
#include "ui/preferences/preferencesdialog.h"
#include "ui/prices/priceeditordialog.h"
#include "ui/services/qtuserinteraction.h"
#include "ui/services/splashscreen.h"
#include "ui/slotboard/slotboard.h"
#include "ui/slotboard/slotlistview.h"

namespace {

using namespace fpw;
using screenshots::NobodyAtTheKeyboard;

// The screen the editor must fit, less a window frame's title bar.
constexpr QSize kSmallestScreen(1366, 768 - 32);

bool fitsSmallestScreen(const QWidget& window) {
    const QSize needed = window.minimumSizeHint();
    if (needed.width() > kSmallestScreen.width() || needed.height() > kSmallestScreen.height()) {
        std::fprintf(stderr, "the editor needs %dx%d: larger than a 1366 x 768 screen\n",
                     needed.width(), needed.height());
        return false;
    }
    return true;
}

// Every slot of the board shows its whole text: none is cut short at the list's edge.
bool slotTextsFit(const ui::SlotBoard& board) {
    bool fit = true;
    for (int location = 0; location < 8; ++location) {
        const ui::SlotListView* list = board.list(location);
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            const QRect room = list->visualItemRect(list->item(row));
            // The item's own margins take a few pixels on either side of the text.
            if (list->fontMetrics().horizontalAdvance(text) + 8 > room.width()) {
                std::fprintf(stderr, "the slot text \"%s\" does not fit its list\n",
                             qPrintable(text));
                fit = false;
            }
        }
    }
    return fit;
}

// The sample design half built (the menu and the dialogs), then complete (the editor, each
// panel tab and the board alone).
bool saveEditor(app::ProgramContext& ctx, app::SettingsStore& store, NobodyAtTheKeyboard& nobody,
                const QDir& out) {
    ui::EditorWindow window(ctx, store);
    editor::Editor& editor = window.editor();
    auto* board = window.findChild<ui::SlotBoard*>("slotBoard");
    screenshots::buildSampleDesign(editor);
    window.resize(kSmallestScreen);
    window.show();
    bool ok = fitsSmallestScreen(window);
    ok = screenshots::saveSlotMenu(editor, *board, out) && ok;
    ok = screenshots::saveAllocationDialogs(editor, out) && ok;
    ui::QtUserInteraction dialogs(&window);
    nobody.dialogs = &dialogs;
    ok = screenshots::saveAmmunitionDialogs(editor, out) && ok;
    nobody.dialogs = nullptr;

    screenshots::completeSampleDesign(editor);
    QApplication::processEvents();
    ok = slotTextsFit(*board) && ok;
    ok = screenshots::save(window, out, "editor") && ok;
    if (auto* slots = window.findChild<QWidget*>("slotBoardGroup")) {
        ok = screenshots::save(*slots, out, "slotboard") && ok;
    }
    auto* tabs = window.findChild<QTabWidget*>("panelTabs");
    // The first tab shows in the editor's own picture.
    const char* pages[] = {nullptr, "editor-systems", "editor-arms"};
    for (int page = 1; tabs != nullptr && page < tabs->count() && page < 3; ++page) {
        tabs->setCurrentIndex(page);
        ok = screenshots::save(*tabs, out, pages[page]) && ok;
    }
    return ok;
}

// An OmniMech with two variants, the second one shown.
bool saveOmniEditor(app::ProgramContext& ctx, app::SettingsStore& store,
                    NobodyAtTheKeyboard& nobody, const QDir& out) {
    ui::EditorWindow window(ctx, store);
    if (!screenshots::buildOmniDesign(window.editor(), nobody)) {
        std::fprintf(stderr, "the OmniMech with two variants could not be built\n");
        return false;
    }
    window.showDesign();
    window.resize(kSmallestScreen);
    // The variant list open over its box, the current variant on the box as the style
    // draws it: both variants show.
    auto* variants = window.findChild<QComboBox*>("cmboOmniVariant");
    if (variants == nullptr) {
        std::fprintf(stderr, "no variant list\n");
        return false;
    }
    const QPixmap windowPicture = screenshots::atRest(window);
    variants->showPopup();
    QApplication::processEvents();
    const QPixmap popupPicture = variants->view()->window()->grab();
    variants->hidePopup();
    const QPoint at =
        variants->mapTo(&window, QPoint(0, variants->height() - popupPicture.height()));
    return screenshots::save(screenshots::withPopup(windowPicture, popupPicture, at), out, "omni");
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
    bool ok = saveEditor(ctx, store, nobody, out);
    ok = saveOmniEditor(ctx, store, nobody, out) && ok;

    ui::PreferencesDialog preferences(ctx, store);
    ok = screenshots::save(preferences, out, "preferences") && ok;
    ui::PriceEditorDialog prices(ctx);
    ok = screenshots::save(prices, out, "prices") && ok;
    ui::CreditsDialog credits(ctx.credits);
    ok = screenshots::save(credits, out, "credits") && ok;
    ui::AboutDialog about;
    ok = screenshots::save(about, out, "about") && ok;
    ui::FrmEditPilots pilots(ctx);
    ok = screenshots::save(pilots, out, "pilots") && ok;
    ui::SplashScreen splash(QString::fromStdString(app::versionText()));
    ok = screenshots::save(splash, out, "splash") && ok;
    return ok ? 0 : 1;
}
