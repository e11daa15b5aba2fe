#include "catalog/pilotfile.h"

#include "app/files.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"

namespace fpw::catalog {
namespace {

constexpr std::size_t kHeaderWidth = 30;
// The name's length and the two skills.
constexpr std::size_t kMinPilotBytes = 6;

constexpr std::string_view kProcedure = "LoadPilotData";

} // namespace

ParseResult<PilotList> parsePilotFile(std::string_view bytes) {
    ParseResult<PilotList> result;
    app::RecordReader in(bytes);
    if (in.remaining() < kHeaderWidth + 2 || in.header(kHeaderWidth) != kPilotFileHeader) {
        result.status = ParseStatus::Damaged;
        result.message = "The Pilot Data database is corrupt. Pilot data will not be read.";
        return result;
    }
    const std::int16_t version = in.integer();
    if (version != kPilotFileVersion) {
        result.status = ParseStatus::WrongVersion;
        result.version = version;
        result.message =
            "The Pilot Data database is of the wrong version. Pilot data will not be read.";
        return result;
    }
    try {
        const std::int16_t lastIndex = in.integer();
        // A count the file cannot hold is damage, not a reason to allocate.
        if (lastIndex < -1 ||
            static_cast<std::size_t>(lastIndex + 1) > in.remaining() / kMinPilotBytes) {
            result.status = ParseStatus::Damaged;
            result.message = "The Pilot Data database is corrupt. Pilot data will not be read.";
            return result;
        }
        PilotList pilots;
        for (int i = 0; i <= lastIndex; ++i) {
            Pilot pilot;
            pilot.name = in.string();
            pilot.gunnery = in.integer();
            pilot.piloting = in.integer();
            pilots.push_back(std::move(pilot));
        }
        if (pilots.empty()) {
            pilots.emplace_back();
        }
        result.value = std::move(pilots);
    } catch (const app::ReadError&) {
        result.setInputPastEnd();
    }
    return result;
}

std::string writePilotFile(const PilotList& pilots) {
    app::RecordWriter out;
    out.fixedText(kPilotFileHeader, kHeaderWidth);
    out.integer(kPilotFileVersion);
    out.lastIndexPrefix(pilots.size());
    for (const auto& pilot : pilots) {
        out.string(pilot.name);
        out.integer(pilot.gunnery);
        out.integer(pilot.piloting);
    }
    return out.release();
}

PilotList compactPilots(const PilotList& pilots) {
    PilotList kept;
    for (const auto& pilot : pilots) {
        if (!pilot.name.empty()) {
            kept.push_back(pilot);
        }
    }
    if (kept.empty()) {
        kept.emplace_back();
    }
    return kept;
}

void LoadPilotData(app::ProgramContext& ctx) {
    ctx.pilots = PilotList{Pilot{}};
    const std::string path = ctx.programFile(kPilotFile);
    if (!ctx.files->exists(path)) {
        return;
    }
    const auto bytes = ctx.files->read(path);
    if (!bytes) {
        ctx.errors.report(
            kProcedure, app::Failure{app::failure::kPathFileAccessError, "Path/File access error"});
        return;
    }
    auto parsed = parsePilotFile(*bytes);
    switch (parsed.status) {
    case ParseStatus::Ok:
        ctx.pilots = std::move(parsed.value);
        return;
    case ParseStatus::Damaged:
        ctx.user.message(parsed.message, "Pilot Datafile Corrupt", app::MessageIcon::Critical);
        return;
    case ParseStatus::WrongVersion:
        ctx.user.message(parsed.message, "Invalid Pilot Datafile", app::MessageIcon::Critical);
        return;
    case ParseStatus::ReadFailure:
        ctx.errors.report(kProcedure, parsed.failure);
        return;
    }
}

bool WritePilotData(app::ProgramContext& ctx) {
    ctx.log.verbose("Starting pilot data compact compact...");
    ctx.pilots = compactPilots(ctx.pilots);
    ctx.log.verbose("Finished pilot data compact compact...");
    const std::string path = ctx.programFile(kPilotFile);
    // The old file is replaced by the rename at the end, never deleted before the new one is
    // complete; the log keeps its familiar lines.
    if (app::fileExists(path)) {
        ctx.log.verbose("Killed existing file...");
    }
    ctx.log.verbose("Opening pilot file...");
    std::string error;
    std::string bytes;
    try {
        bytes = writePilotFile(ctx.pilots);
    } catch (const std::length_error&) {
        ctx.errors.report("WritePilotData", app::Failure{app::failure::kOverflow, "Overflow"});
        return false;
    }
    if (!app::writeFileAtomically(*ctx.files, path, bytes, &error)) {
        ctx.errors.report("WritePilotData",
                          app::Failure{app::failure::kPathFileAccessError, error});
        return false;
    }
    ctx.log.verbose("Closing pilot file...");
    return true;
}

} // namespace fpw::catalog
