#include "app/customprices.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/ansi.h"
#include "app/errorreporter.h"
#include "app/files.h"
#include "app/numbers.h"
#include "app/programcontext.h"
#include "app/textutil.h"
#include "catalog/weapondatabase.h"

namespace fpw::app {
namespace {

constexpr std::string_view kWeaponPrice = "WeaponPrice";
constexpr std::string_view kItemPrice = "ItemPrice";

// The text before the first ";" and the text after it (empty when there is no ";").
std::pair<std::string_view, std::string_view> splitField(std::string_view text) {
    const std::size_t at = text.find(';');
    if (at == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

// A whole number of the file, or the failure that ends the reading.
template <typename Int>
std::optional<Int> wholeNumber(ProgramContext& ctx, std::string_view text, std::string_view line) {
    const std::optional<double> number = parseNumber(text);
    if (!number) {
        ctx.errors.report("ReadCustomData",
                          Failure{failure::kTypeMismatch, "Type mismatch in custom price line '" +
                                                              std::string(line) + "'"});
        return std::nullopt;
    }
    std::optional<Int> value;
    if constexpr (sizeof(Int) == 2) {
        value = tryToInteger(*number);
    } else {
        value = tryToLong(*number);
    }
    if (!value) {
        ctx.errors.report("ReadCustomData",
                          Failure{failure::kOverflow,
                                  "Overflow in custom price line '" + std::string(line) + "'"});
    }
    return value;
}

void critical(ProgramContext& ctx, const std::string& text, std::string_view title) {
    ctx.user.message(text, title, MessageIcon::Critical);
}

// One "WeaponPrice" directive; false when it ends the reading.
bool applyWeaponPrice(ProgramContext& ctx, std::string_view rest, std::string_view line) {
    const auto [name, afterName] = splitField(rest);
    const auto [techText, priceText] = splitField(afterName);
    const auto price = wholeNumber<std::int32_t>(ctx, priceText, line);
    if (!price) {
        return false;
    }
    std::int16_t techBase = 0;
    if (techText == "C") {
        techBase = 1;
    } else if (techText != "IS") {
        critical(ctx, "Invalid tech base qualifier: " + std::string(techText), "Invalid qualifier");
        critical(ctx, "Not searching for weapon with name of " + std::string(name),
                 "Not doing search");
        return true;
    }
    const int index = catalog::findWeapon(ctx.weapons, name, techBase);
    if (index < 0) {
        critical(ctx,
                 "Unable to find weapon called " + std::string(name) + " in custom string of '" +
                     std::string(line) + "'",
                 "Unable to find weapon");
        return true;
    }
    ctx.weapons[static_cast<std::size_t>(index)].cost = *price;
    return true;
}

// One "ItemPrice" directive; false when it ends the reading.
bool applyItemPrice(ProgramContext& ctx, std::string_view rest, std::string_view line) {
    const auto [indexText, priceText] = splitField(rest);
    const auto index = wholeNumber<std::int16_t>(ctx, indexText, line);
    if (!index) {
        return false;
    }
    const auto price = wholeNumber<std::int32_t>(ctx, priceText, line);
    if (!price) {
        return false;
    }
    // Indices outside the table are ignored, as the file's format has always allowed.
    catalog::gSetItemPrice(ctx.prices, *index, *price);
    return true;
}

} // namespace

bool ReadCustomData(ProgramContext& ctx, const std::string& path) {
    const auto bytes = ctx.files->read(path);
    if (!bytes) {
        ctx.errors.report("ReadCustomData",
                          Failure{failure::kFileNotFound, "File not found: " + path});
        return false;
    }
    const std::string text = textFileToUtf8(*bytes);
    for (const std::string_view line : splitLines(text)) {
        if (line.find(';') == std::string_view::npos) {
            continue;
        }
        const auto [qualifier, rest] = splitField(line);
        bool goOn = true;
        if (qualifier == kWeaponPrice) {
            goOn = applyWeaponPrice(ctx, rest, line);
        } else if (qualifier == kItemPrice) {
            goOn = applyItemPrice(ctx, rest, line);
        } else {
            critical(ctx, "Invalid Custom File qualifier: " + std::string(qualifier),
                     "Inavlid qualifier");
        }
        if (!goOn) {
            return false;
        }
    }
    return true;
}

std::string customDataText(const catalog::WeaponTable& weapons, const catalog::WeaponTable& shipped,
                           const catalog::PriceTable& prices) {
    std::string text;
    const std::size_t common = std::min(weapons.size(), shipped.size());
    for (std::size_t i = 0; i < common; ++i) {
        const catalog::WeaponRecord& weapon = weapons[i];
        if (weapon.cost != shipped[i].cost) {
            text += std::string(kWeaponPrice) + ";" + weapon.name + ";" +
                    (weapon.techBase == 0 ? "IS;" : "C;") + std::to_string(weapon.cost) + "\r\n";
        }
    }
    // The last item has no line in the file's format; it is only ever at its default.
    for (int index = 0; index < catalog::kNamedPriceItemCount; ++index) {
        const auto at = static_cast<std::size_t>(index);
        if (prices.current[at] != prices.defaults[at]) {
            text += std::string(kItemPrice) + ";" + std::to_string(index) + ";" +
                    std::to_string(prices.current[at]) + "\r\n";
        }
    }
    return text;
}

bool WriteCustomData(ProgramContext& ctx) {
    const std::string path = ctx.programFile(kCustomPriceFile);
    const auto database = ctx.files->read(ctx.programFile(catalog::kWeaponDatabaseFile));
    if (!database) {
        ctx.errors.report(
            "WriteCustomData",
            Failure{failure::kFileNotFound,
                    "File not found: " + ctx.programFile(catalog::kWeaponDatabaseFile)});
        return false;
    }
    auto shipped = catalog::parseWeaponDatabase(*database);
    if (!shipped.ok()) {
        const Failure failed = shipped.status == catalog::ParseStatus::ReadFailure
                                   ? shipped.failure
                                   : Failure{failure::kBadFileFormat, shipped.message};
        ctx.errors.report("WriteCustomData", failed);
        return false;
    }
    const std::string text = customDataText(ctx.weapons, shipped.value, ctx.prices);
    if (text.empty()) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        if (ec) {
            ctx.errors.report("WriteCustomData",
                              Failure{failure::kPathFileAccessError,
                                      "Cannot delete " + path + ": " + ec.message()});
            return false;
        }
        return true;
    }
    std::string error;
    if (!writeFileAtomically(*ctx.files, path, utf8ToAnsi(text), &error)) {
        ctx.errors.report("WriteCustomData", Failure{failure::kPathFileAccessError, error});
        return false;
    }
    return true;
}

} // namespace fpw::app
