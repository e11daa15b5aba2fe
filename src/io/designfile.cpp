#include "io/designfile.h"

#include <stdexcept>

#include "app/files.h"
#include "app/programcontext.h"
#include "app/userinteraction.h"
#include "catalog/equipment.h"

namespace fpw::io {

std::string incorrectHeaderMessage() {
    return "This mech file has an incorrect header. The file is either not a Forgeplanwork mech "
           "or the file is corrupt. It will not be opened.";
}

std::string incorrectVersionMessage(std::int16_t foundVersion) {
    return "This mech file does not have the correct version number. This executable can only "
           "open mechs with a version of " +
           std::to_string(kDesignFileVersion) + " but this mech has a version of " +
           std::to_string(foundVersion) + ". " + "This mech will not be opened.";
}

bool SaveMech(model::Mech& mech, const std::string& path) {
    app::ProgramContext& ctx = mech.context();
    app::BusyPointer busy(ctx.user);
    if (mech.omniBaseLocked() && mech.mechType() == catalog::kOmniMech) {
        mech.SaveCurrentConfig();
    }
    mech.CompactWeapons();
    std::string bytes;
    try {
        bytes = writeDesignFile(mech);
    } catch (const std::length_error&) {
        ctx.errors.report(kSaveMechProcedure, app::Failure{app::failure::kOverflow, "Overflow"});
        return false;
    }
    std::string error;
    if (!app::writeFileAtomically(*ctx.files, path, bytes, &error)) {
        ctx.errors.report(kSaveMechProcedure,
                          app::Failure{app::failure::kPathFileAccessError, error});
        return false;
    }
    // Only a design that is in the file takes its name.
    mech.setSaveFilename(path);
    return true;
}

namespace {

// The reading half of TOpenMech, which only hands the design over.
std::optional<model::Mech> readMech(app::ProgramContext& ctx, const std::string& path, bool quiet,
                                    std::string& message) {
    message.clear();
    const auto bytes = ctx.files->readBuffered(path, ctx.designBytes);
    if (!bytes) {
        message =
            ctx.errors.report(kOpenMechProcedure,
                              app::Failure{app::failure::kFileNotFound, "File not found"}, !quiet);
        return std::nullopt;
    }
    DesignFileResult result = parseDesignFile(*bytes, ctx);
    switch (result.status) {
    case DesignFileResult::Status::Ok:
        result.mech->setSaveFilename(path);
        return std::move(result.mech);
    case DesignFileResult::Status::IncorrectHeader:
    case DesignFileResult::Status::IncorrectVersion:
        message = result.message;
        if (!quiet) {
            ctx.user.message(message,
                             result.status == DesignFileResult::Status::IncorrectHeader
                                 ? kIncorrectHeaderTitle
                                 : kIncorrectVersionTitle,
                             app::MessageIcon::Critical);
        }
        return std::nullopt;
    case DesignFileResult::Status::Damaged:
        message = ctx.errors.report(kOpenMechProcedure, result.failure, !quiet);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

bool TOpenMech(model::Mech& mech, const std::string& path, bool quiet, std::string& message) {
    std::optional<model::Mech> read = readMech(mech.context(), path, quiet, message);
    if (!read) {
        return false;
    }
    mech = std::move(*read);
    return true;
}

std::optional<model::Mech> OpenMechQuietly(app::ProgramContext& ctx, const std::string& path,
                                           std::string& message) {
    return readMech(ctx, path, true, message);
}

} // namespace fpw::io
