#include "recordsheet/multiprint.h"

#include <filesystem>

#include "app/programcontext.h"
#include "io/designfile.h"
#include "model/mech.h"
#include "recordsheet/printmech.h"
#include "recordsheet/sheetcontent.h"
#include "valuation/refreshfigures.h"

namespace fpw::recordsheet {
namespace {

bool isLockedOmni(const model::Mech& mech) {
    return mech.omniBaseLocked() && mech.OmniConfigCount() > 0;
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

std::optional<MultiPrintRow> multiPrintRow(app::ProgramContext& ctx, const std::string& file,
                                           std::string& message) {
    model::Mech mech(ctx);
    if (!io::TOpenMech(mech, file, true, message))
        return std::nullopt;
    MultiPrintRow row{{file, std::string(kNoConfig)}, {}};
    if (isLockedOmni(mech)) {
        row.entry.config = kBaseConfig;
        row.configurations.emplace_back(kBaseConfig);
        for (int i = 0; i < mech.OmniConfigCount(); ++i)
            row.configurations.push_back(mech.GetOmniConfigName(i));
    }
    return row;
}

MultiPrintResult MultiPrint(app::ProgramContext& ctx, const std::vector<MultiPrintEntry>& entries,
                            MultiPrintTarget& target,
                            const std::function<void(const std::string&)>& status,
                            const std::function<bool()>& stopRequested) {
    MultiPrintResult result;
    const bool standardDiagram = !ctx.settings.multiPrintType;
    for (const MultiPrintEntry& entry : entries) {
        ctx.user.processEvents();
        if (stopRequested()) {
            result.stopped = true;
            break;
        }
        status("Opening " + fileName(entry.file));
        model::Mech mech(ctx);
        std::string message;
        if (!io::TOpenMech(mech, entry.file, true, message)) {
            result.failures.push_back(entry.file + ": " + message);
            continue;
        }
        if (isLockedOmni(mech) && entry.config != kBaseConfig && entry.config != kNoConfig) {
            status("Changing omni config...");
            if (!mech.ChangeOmniConfig(entry.config, false)) {
                result.failures.push_back(entry.file + ": no configuration \"" + entry.config +
                                          "\"");
                continue;
            }
        }
        valuation::RefreshFigures(mech);
        status("Printing " + sheetTitle(mech));
        const bool drawn = PrintMech(mech, "", "", "", "", "", "", true, standardDiagram,
                                     target.beginDesign(entry));
        if (target.endDesign(entry) && drawn)
            ++result.printed;
        else
            result.failures.push_back(entry.file + ": the sheet could not be printed");
    }
    return result;
}

} // namespace fpw::recordsheet
