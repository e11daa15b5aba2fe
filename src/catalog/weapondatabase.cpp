#include "catalog/weapondatabase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/files.h"
#include "app/identity.h"
#include "app/programcontext.h"
#include "app/recordcodec.h"
#include "catalog/equipment.h"

namespace fpw::catalog {
namespace {

// Integers, Booleans, Long, Doubles and the two unnamed 8-byte fields; then the six string
// lengths and the two array dimension counts.
constexpr std::size_t kRecordFixedBytes = 90;
constexpr std::size_t kMinRecordBytes = kRecordFixedBytes + 6 * 2 + 2 * 2;

std::array<std::uint8_t, 8> readEightBytes(app::RecordReader& in) {
    const std::string raw = in.rawBytes(8);
    std::array<std::uint8_t, 8> bytes{};
    std::memcpy(bytes.data(), raw.data(), bytes.size());
    return bytes;
}

void writeEightBytes(app::RecordWriter& out, const std::array<std::uint8_t, 8>& bytes) {
    out.rawBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

WeaponRecord readRecord(app::RecordReader& in) {
    WeaponRecord r;
    r.name = in.string();
    r.weaponType = in.integer();
    r.techLevel = in.integer();
    r.techBase = in.integer();
    r.tonnage = in.doubleValue();
    r.unnamed6 = in.integer();
    r.unnamed7 = readEightBytes(in);
    r.heat = in.integer();
    r.damage = in.integer();
    r.minRange = in.integer();
    r.shortRange = in.integer();
    r.mediumRange = in.integer();
    r.longRange = in.integer();
    r.extremeRange = in.integer();
    r.rangeUnit = in.string();
    r.critSlots = in.integer();
    r.unnamed17 = in.integer();
    r.unnamed18 = readEightBytes(in);
    r.spreadable = in.boolean();
    r.cost = in.longValue();
    r.combatValue = in.integer();
    r.battleValue = in.doubleValue();
    r.shotsPerTon = in.integer();
    r.damagePer = in.string();
    r.maxDamage = in.integer();
    r.tcLinkable = in.integer();
    r.ammoWeaponType = in.integer();
    r.ammoCodes = in.integerArray();
    r.defensiveItem = in.integer();
    r.hasManufacturers = in.boolean();
    r.manufacturers = in.stringArray();
    r.averageDamage = in.integer();
    r.toHitModifier = in.integer();
    r.explosive = in.integer();
    r.ammoTypeText = in.string();
    r.ammoPrintName = in.string();
    r.artemisCapable = in.integer();
    r.artemisClass = in.integer();
    r.omniArmActuatorsAllowed = in.integer();
    r.muxName = in.string();
    return r;
}

void writeRecord(app::RecordWriter& out, const WeaponRecord& r) {
    out.string(r.name);
    out.integer(r.weaponType);
    out.integer(r.techLevel);
    out.integer(r.techBase);
    out.doubleValue(r.tonnage);
    out.integer(r.unnamed6);
    writeEightBytes(out, r.unnamed7);
    out.integer(r.heat);
    out.integer(r.damage);
    out.integer(r.minRange);
    out.integer(r.shortRange);
    out.integer(r.mediumRange);
    out.integer(r.longRange);
    out.integer(r.extremeRange);
    out.string(r.rangeUnit);
    out.integer(r.critSlots);
    out.integer(r.unnamed17);
    writeEightBytes(out, r.unnamed18);
    out.boolean(r.spreadable);
    out.longValue(r.cost);
    out.integer(r.combatValue);
    out.doubleValue(r.battleValue);
    out.integer(r.shotsPerTon);
    out.string(r.damagePer);
    out.integer(r.maxDamage);
    out.integer(r.tcLinkable);
    out.integer(r.ammoWeaponType);
    out.integerArray(r.ammoCodes);
    out.integer(r.defensiveItem);
    out.boolean(r.hasManufacturers);
    out.stringArray(r.manufacturers);
    out.integer(r.averageDamage);
    out.integer(r.toHitModifier);
    out.integer(r.explosive);
    out.string(r.ammoTypeText);
    out.string(r.ammoPrintName);
    out.integer(r.artemisCapable);
    out.integer(r.artemisClass);
    out.integer(r.omniArmActuatorsAllowed);
    out.string(r.muxName);
}

std::string corruptMessage() {
    return "The weapons database is corrupt. Please contact " + std::string(app::kCompanyName) +
           " at " + std::string(app::kSupportAddress) +
           " for information about obtaining a new database.";
}

std::string wrongVersionMessage(std::int16_t found) {
    return "The weapons database is the wrong version. The program is looking for a database "
           "of version " +
           std::to_string(kWeaponDatabaseVersion) + " but this database is version " +
           std::to_string(found) + ". Please contact " + std::string(app::kCompanyName) + " at " +
           std::string(app::kSupportAddress) + " for information about obtaining a new database.";
}

// The number as the information box shows it: up to 15 significant digits, no trailing zeros.
std::string numberText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string valueOrDash(bool applies, const std::string& value) {
    return applies ? value : "-";
}

} // namespace

ParseResult<WeaponTable> parseWeaponDatabase(std::string_view bytes, const LoadProgress& progress) {
    ParseResult<WeaponTable> result;
    app::RecordReader in(bytes);
    // A file too short for its header and version cannot be this database at all.
    if (in.remaining() < kWeaponDatabaseHeaderWidth ||
        in.header(kWeaponDatabaseHeaderWidth) != kWeaponDatabaseHeader || in.remaining() < 2) {
        result.status = ParseStatus::Damaged;
        result.message = corruptMessage();
        return result;
    }
    const std::int16_t version = in.integer();
    if (version != kWeaponDatabaseVersion) {
        result.status = ParseStatus::WrongVersion;
        result.version = version;
        result.message = wrongVersionMessage(version);
        return result;
    }
    // The count is checked against the bytes left before anything is sized by it; a database
    // without records is as useless to the program as a damaged one.
    std::int16_t lastIndex = -1;
    if (in.remaining() >= 2) {
        lastIndex = in.integer();
    }
    if (lastIndex < 0 ||
        static_cast<std::size_t>(lastIndex) + 1 > in.remaining() / kMinRecordBytes) {
        result.status = ParseStatus::Damaged;
        result.message = corruptMessage();
        return result;
    }
    if (progress.setRange) {
        progress.setRange(0, lastIndex);
    }
    WeaponTable table;
    table.reserve(static_cast<std::size_t>(lastIndex) + 1);
    try {
        for (int i = 0; i <= lastIndex; ++i) {
            table.push_back(readRecord(in));
            if (progress.advance) {
                progress.advance(i);
            }
        }
    } catch (const app::ReadError&) {
        result.setInputPastEnd();
        return result;
    }
    // Tonnage and BV feed every sum of a design: a record without a real number for them would
    // spread "not a number" through every figure that uses the weapon.
    for (const WeaponRecord& record : table) {
        if (!std::isfinite(record.tonnage) || !std::isfinite(record.battleValue)) {
            result.status = ParseStatus::Damaged;
            result.message = corruptMessage();
            return result;
        }
    }
    result.value = std::move(table);
    return result;
}

std::string writeWeaponDatabase(const WeaponTable& table) {
    if (table.empty()) {
        throw std::length_error("a weapon database holds at least one record");
    }
    app::RecordWriter out;
    out.fixedText(kWeaponDatabaseHeader, kWeaponDatabaseHeaderWidth);
    out.integer(kWeaponDatabaseVersion);
    out.lastIndexPrefix(table.size());
    for (const auto& record : table) {
        writeRecord(out, record);
    }
    return out.release();
}

bool LoadWeapons(app::ProgramContext& ctx, const LoadProgress& progress) {
    const std::string path = ctx.programFile(kWeaponDatabaseFile);
    const auto bytes = ctx.files->read(path);
    if (!bytes) {
        ctx.user.message("The weapon database is missing.");
        return false;
    }
    LoadProgress perRecord;
    perRecord.setRange = progress.setRange;
    perRecord.advance = [&](int index) {
        if (progress.advance) {
            progress.advance(index);
        }
        ctx.user.processEvents();
    };
    auto parsed = parseWeaponDatabase(*bytes, perRecord);
    switch (parsed.status) {
    case ParseStatus::Ok:
        ctx.weapons = std::move(parsed.value);
        return true;
    case ParseStatus::Damaged:
    case ParseStatus::WrongVersion:
        ctx.user.message(parsed.message, "Database corrupt", app::MessageIcon::Critical);
        return false;
    case ParseStatus::ReadFailure:
        ctx.errors.report("LoadWeapons", parsed.failure);
        return false;
    }
    return false;
}

int findWeapon(const WeaponTable& table, std::string_view name, std::int16_t techBase) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].name == name && table[i].techBase == techBase) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool usesAmmunition(const WeaponRecord& weapon) {
    const bool firesAmmunition = weapon.weaponType == weapontype::kBallistic ||
                                 weapon.weaponType == weapontype::kMissile ||
                                 weapon.weaponType == weapontype::kArtillery;
    return firesAmmunition && !weapon.ammoCodes.empty() && weapon.ammoCodes.front() != -1;
}

bool takesAmmunition(const WeaponRecord& weapon, const WeaponRecord& ammo) {
    if (!usesAmmunition(weapon)) {
        return false;
    }
    return std::any_of(weapon.ammoCodes.begin(), weapon.ammoCodes.end(), [&](std::int16_t code) {
        return std::find(ammo.ammoCodes.begin(), ammo.ammoCodes.end(), code) !=
               ammo.ammoCodes.end();
    });
}

std::string ammunitionHeader(const WeaponRecord& ammo, long shots, std::string_view specialTemplate,
                             std::string_view standardTemplate) {
    const std::string_view templateText =
        ammo.ammoTypeText.empty() ? standardTemplate : specialTemplate;
    const std::string values[] = {ammo.ammoPrintName, ammo.ammoTypeText, std::to_string(shots)};
    // All three placeholders in one scan from the left: a name that itself contains "%1" or
    // "%2" is printed as it stands, never filled in again.
    std::string text;
    for (std::size_t i = 0; i < templateText.size(); ++i) {
        if (templateText[i] == '%' && i + 1 < templateText.size() && templateText[i + 1] >= '0' &&
            templateText[i + 1] <= '2') {
            text += values[templateText[i + 1] - '0'];
            ++i;
        } else {
            text += templateText[i];
        }
    }
    return text;
}

std::string ammunitionHeader(const WeaponRecord& ammo, long shots, const app::Settings& settings) {
    return ammunitionHeader(ammo, shots, settings.ammoSpecialHeader, settings.ammoStandardHeader);
}

std::string weaponInformationText(const WeaponRecord& w) {
    std::string typeName;
    for (const auto& row : weaponTypeTable()) {
        if (row.code == w.weaponType) {
            typeName = std::string(row.shortName);
        }
    }
    std::string damage = valueOrDash(w.damage >= 1, std::to_string(w.damage));
    if (w.damage >= 1 && w.damagePer != "-1") {
        damage += " per " + w.damagePer;
    }
    const std::string lines[] = {
        std::string("Tech Base: ") + (w.techBase == 1 ? "Clan" : "Inner Sphere"),
        "Tech Level: " + std::to_string(w.techLevel),
        "Weapon Type: " + typeName,
        "",
        "Tonnage: " + valueOrDash(w.tonnage >= 0, numberText(w.tonnage) + " tons"),
        "Heat: " + valueOrDash(w.heat >= 0, std::to_string(w.heat)),
        "Damage: " + damage,
        "Critical Slots: " + valueOrDash(w.critSlots >= 0, std::to_string(w.critSlots)),
        "",
        "Minimum Range: " + valueOrDash(w.minRange >= 0, std::to_string(w.minRange)),
        "Short Range: " + valueOrDash(w.shortRange >= 0, std::to_string(w.shortRange)),
        "Medium Range: " + valueOrDash(w.mediumRange >= 0, std::to_string(w.mediumRange)),
        "Long Range: " + valueOrDash(w.longRange >= 0, std::to_string(w.longRange)),
        "Shots per ton of ammo: " + valueOrDash(w.shotsPerTon >= 0, std::to_string(w.shotsPerTon)),
        "Spreadable Crits: " + std::string(w.spreadable ? "Yes" : "No"),
        "Combat Value: " + valueOrDash(w.combatValue >= 1, std::to_string(w.combatValue)),
        "Battle Value: " + valueOrDash(w.battleValue > 0, numberText(w.battleValue)),
        "Cost: " + valueOrDash(w.cost >= 1, std::to_string(w.cost)),
    };
    std::string text;
    for (const auto& line : lines) {
        if (&line != &lines[0]) {
            text += "\r\n";
        }
        text += line;
    }
    return text;
}

} // namespace fpw::catalog
