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

// Every setting with its default. Colours are 0x00BBGGRR numbers.
struct Settings {
    std::int32_t normalColor = 16777152;
    std::int32_t lockedColor = 8421631;
    std::int32_t armoredColor = 8438015;
    std::int32_t hilitedColor = 16761087;
    std::int32_t inactiveColor = 8454016;
    std::int32_t normalTextColor = kWindowTextColor;
    std::int32_t lockedTextColor = kWindowTextColor;
    std::int32_t armoredTextColor = kWindowTextColor;
    std::int32_t hilitedTextColor = kWindowTextColor;
    std::int32_t inactiveTextColor = kWindowTextColor;
    std::int32_t locationBackground = 255;
    std::int32_t locationForeground = kWindowTextColor;

    std::int32_t top = 2000;  // twips
    std::int32_t left = 1000; // twips
    std::string lastDir;      // empty until read: the program directory

    std::string htmlHeader;
    std::string htmlFooter;
    std::string defaultTechBase = "Inner Sphere";
    std::int16_t defaultTechLevel = 1;
    std::string defaultMechType = "Biped";
    std::string ammoSpecialHeader = "@%0 [%1] (%2)";
    std::string ammoStandardHeader = "@%0 (%2)";
    std::int16_t heatScale = 1;
    bool multiPrintType = false;
    bool printLocRolls = false;
    bool savePrompt = false;
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
