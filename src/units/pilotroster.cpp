#include "units/pilotroster.h"

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "app/programcontext.h"
#include "app/textutil.h"
#include "catalog/pilotfile.h"

namespace fpw::units {
namespace {

constexpr std::string_view kNewPilotTitle = "New Pilot";
constexpr std::string_view kNewPilotPrompt = "Please enter the name of the new pilot.";
constexpr std::string_view kChangePilotTitle = "Change Pilot";
constexpr std::string_view kChangePilotPrompt = "Please enter the new name of the pilot.";

bool isNamedPilot(const app::ProgramContext& ctx, std::size_t index) {
    return index < ctx.pilots.size() && !ctx.pilots[index].name.empty();
}

// True when another pilot than `except` carries `name`; the message is shown then.
bool refuseDuplicate(app::ProgramContext& ctx, const std::string& name, std::size_t except) {
    const std::string wanted = app::lowerCase(name);
    for (std::size_t i = 0; i < ctx.pilots.size(); ++i) {
        if (i != except && app::lowerCase(app::trimBlanks(ctx.pilots[i].name)) == wanted) {
            ctx.user.message("A pilot by this name already exists.", "Pilot exists",
                             app::MessageIcon::Exclamation);
            return true;
        }
    }
    return false;
}

// Asks for a name; nothing when the person cancelled or typed only blanks, or when the name
// belongs to another pilot.
std::optional<std::string> askName(app::ProgramContext& ctx, std::string_view prompt,
                                   std::string_view title, std::string_view current,
                                   std::size_t except) {
    const std::optional<std::string> typed = ctx.user.inputBox(prompt, title, current);
    if (!typed) {
        return std::nullopt;
    }
    std::string name(app::trimBlanks(*typed));
    if (name.empty() || refuseDuplicate(ctx, name, except)) {
        return std::nullopt;
    }
    return name;
}

// Makes `changed` the pilot list when the pilot file takes it; otherwise the list stays.
bool commit(app::ProgramContext& ctx, catalog::PilotList changed) {
    catalog::PilotList before = ctx.pilots;
    ctx.pilots = std::move(changed);
    if (catalog::WritePilotData(ctx)) {
        return true;
    }
    ctx.pilots = std::move(before);
    return false;
}

// Runs one rule; an unexpected failure is reported under the rule's name and changes nothing.
template <typename Rule> bool guarded(app::ProgramContext& ctx, std::string_view name, Rule rule) {
    const catalog::PilotList before = ctx.pilots;
    try {
        return rule();
    } catch (const std::exception& e) {
        ctx.pilots = before;
        ctx.errors.report(name, app::Failure{app::failure::kOutOfMemory, e.what()});
        return false;
    }
}

} // namespace

std::vector<std::size_t> namedPilots(const app::ProgramContext& ctx) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < ctx.pilots.size(); ++i) {
        if (isNamedPilot(ctx, i)) {
            rows.push_back(i);
        }
    }
    return rows;
}

bool AddPilot(app::ProgramContext& ctx) {
    return guarded(ctx, "EditPilots.Add", [&] {
        const auto name = askName(ctx, kNewPilotPrompt, kNewPilotTitle, {}, ctx.pilots.size());
        if (!name) {
            return false;
        }
        catalog::PilotList changed = ctx.pilots;
        changed.push_back({*name, kNewPilotGunnery, kNewPilotPiloting});
        return commit(ctx, std::move(changed));
    });
}

bool ChangePilot(app::ProgramContext& ctx, std::size_t index) {
    return guarded(ctx, "EditPilots.Change", [&] {
        if (!isNamedPilot(ctx, index)) {
            return false;
        }
        const auto name =
            askName(ctx, kChangePilotPrompt, kChangePilotTitle, ctx.pilots[index].name, index);
        if (!name || *name == ctx.pilots[index].name) {
            return false;
        }
        catalog::PilotList changed = ctx.pilots;
        changed[index].name = *name;
        return commit(ctx, std::move(changed));
    });
}

bool SetPilotSkills(app::ProgramContext& ctx, std::size_t index, int gunnery, int piloting) {
    return guarded(ctx, "EditPilots.Change", [&] {
        const auto valid = [](int skill) {
            return skill >= kLowestSkill && skill <= kHighestSkill;
        };
        if (!isNamedPilot(ctx, index) || !valid(gunnery) || !valid(piloting)) {
            return false;
        }
        catalog::PilotList changed = ctx.pilots;
        changed[index].gunnery = static_cast<std::int16_t>(gunnery);
        changed[index].piloting = static_cast<std::int16_t>(piloting);
        return commit(ctx, std::move(changed));
    });
}

bool RemovePilot(app::ProgramContext& ctx, std::size_t index) {
    return guarded(ctx, "EditPilots.Remove", [&] {
        if (!isNamedPilot(ctx, index) ||
            !ctx.user.askYesNo("Are you sure you want to remove the pilot named " +
                                   ctx.pilots[index].name + "?",
                               "Remove pilot?")) {
            return false;
        }
        catalog::PilotList changed = ctx.pilots;
        changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(index));
        return commit(ctx, std::move(changed));
    });
}

} // namespace fpw::units
