// The per-user settings: the values the program works with, and the store they live in.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace fpw::app {

// The system's window text colour, as the colour settings store it.
inline constexpr std::int32_t kWindowTextColor = static_cast<std::int32_t>(0x80000008u);

// Every setting. A new Settings holds the defaults of the settings table (inisettings.h);
// colours are 0x00BBGGRR numbers.
struct Settings {
    Settings();

    std::int32_t normalColor{};
    std::int32_t lockedColor{};
    std::int32_t armoredColor{};
    std::int32_t hilitedColor{};
    std::int32_t inactiveColor{};
    std::int32_t normalTextColor{};
    std::int32_t lockedTextColor{};
    std::int32_t armoredTextColor{};
    std::int32_t hilitedTextColor{};
    std::int32_t inactiveTextColor{};
    std::int32_t locationBackground{};
    std::int32_t locationForeground{};

    std::int32_t top{};  // twips
    std::int32_t left{}; // twips
    std::string lastDir; // empty until read: then the program directory

    std::string htmlHeader;
    std::string htmlFooter;
    std::string defaultTechBase;
    std::int16_t defaultTechLevel{};
    std::string defaultMechType;
    std::string ammoSpecialHeader;
    std::string ammoStandardHeader;
    std::int16_t heatScale{};
    bool multiPrintType{};
    bool printLocRolls{};
    bool savePrompt{};

    bool operator==(const Settings&) const = default;
};

// Where settings persist. Sections are written as the program names them ("Boot\Colors");
// an implementation maps the "\" onto its own nesting. Every value is text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> value(std::string_view section,
                                             std::string_view name) const = 0;
    virtual void setValue(std::string_view section, std::string_view name,
                          std::string_view value) = 0;
};

// A store in memory, for tests and for the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> value(std::string_view section,
                                     std::string_view name) const override {
        const auto found = values_.find(key(section, name));
        if (found == values_.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void setValue(std::string_view section, std::string_view name,
                  std::string_view value) override {
        values_[key(section, name)] = std::string(value);
    }

private:
    static std::string key(std::string_view section, std::string_view name) {
        return std::string(section) + '\n' + std::string(name);
    }
    std::map<std::string, std::string> values_;
};

} // namespace fpw::app
