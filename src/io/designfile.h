// The design file ".FPM": one design with its weapons, slots and, for a locked OmniMech, the
// base chassis and every configuration.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/errorreporter.h"
#include "model/mech.h"

namespace fpw::app {
struct ProgramContext;
}

namespace fpw::io {

inline constexpr std::string_view kDesignFileHeader = "Forgeplanwork Mech";
inline constexpr std::size_t kDesignFileHeaderWidth = 25;
inline constexpr std::int16_t kDesignFileVersion = 1;

inline constexpr std::string_view kIncorrectHeaderTitle = "Incorrect header";
inline constexpr std::string_view kIncorrectVersionTitle = "Incorrect version";

// The procedure names failures are reported under.
inline constexpr std::string_view kOpenMechProcedure = "Mech.OpenMech";
inline constexpr std::string_view kSaveMechProcedure = "Mech.SaveMech";

// The refusal texts of the reader.
std::string incorrectHeaderMessage();
std::string incorrectVersionMessage(std::int16_t foundVersion);

// What reading a design file's bytes gave.
struct DesignFileResult {
    enum class Status {
        Ok,
        IncorrectHeader,
        IncorrectVersion,
        Damaged, // the file ends early or holds values the design cannot have
    };
    Status status = Status::Ok;
    // Filled only when the whole file read.
    std::optional<model::Mech> mech;
    // IncorrectHeader and IncorrectVersion: the text shown to the person.
    std::string message;
    // Damaged: what goes to the error reporter.
    app::Failure failure;

    bool ok() const { return status == Status::Ok; }
};

// The file's bytes for the design as it stands. The weapon list is written compacted; a
// locked OmniMech's current configuration is written as last stored (`SaveMech` stores it
// first). Throws std::length_error for lists longer than the file's counts can hold.
std::string writeDesignFile(const model::Mech& mech);

// The save code a slot is written with: for a weapon slot the `RefID` of the live weapon of
// `weapons` (the list of the slot's own store) whose instance number its item identifier
// holds, for any other slot the code of its item; -1 when there is none.
std::int16_t slotSaveCode(const model::CriticalSlot& slot,
                          const std::vector<model::WeaponEntry>& weapons);
// The same for an item identifier on its own.
std::int16_t itemSaveCode(bool isWeapon, std::string_view itemID,
                          const std::vector<model::WeaponEntry>& weapons);

// True when a configuration's slot is written among the configuration's own slots: every slot
// except one the base chassis fixes exactly as it stands (a locked base item, not armoured
// after the lock). The others are the base chassis slots when the file is read.
bool configurationKeeps(const model::OmniCritLocationStorage& base, int loc,
                        const model::CriticalSlot& slot);

// Reads a whole design file into a new design over `ctx` without showing anything. Every
// weapon must name a record of ctx.weapons, and a slot's save code be -1 or the one its item
// identifier gives in its store (else the design would not save as it opened). The
// design's slot lists are filled and their texts rebuilt; figures the file does not carry
// (`PhysicalSize`, `ArmoredSlots`, `ArtemisCost`) are recomputed, every other value is taken as
// stored.
DesignFileResult parseDesignFile(std::string_view bytes, app::ProgramContext& ctx);

// Writes `mech` to `path` atomically (a failed save keeps the old file), storing a locked
// OmniMech's current configuration first and compacting the weapon list. On success sets
// `SaveFilename`; on failure reports under "Mech.SaveMech" and returns false.
bool SaveMech(model::Mech& mech, const std::string& path);

// Opens the design file at `path` into `mech`, which is replaced only when the whole file
// read; `SaveFilename` becomes `path`. A wrong header or version shows its message box, any
// other failure goes to the error reporter under "Mech.OpenMech". With `quiet` nothing is
// shown and the text comes back in `message` (also set when not quiet).
bool TOpenMech(model::Mech& mech, const std::string& path, bool quiet, std::string& message);

// TOpenMech with the quiet flag for a caller that has no design yet: the new design, or
// nothing and the message in `message`. Saves building a design only to replace it.
std::optional<model::Mech> OpenMechQuietly(app::ProgramContext& ctx, const std::string& path,
                                           std::string& message);

} // namespace fpw::io
