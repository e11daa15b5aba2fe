// The per-user settings in QSettings under organisation "Quennard", application
// "The Forgeplanwork". A section "Boot\Colors" is stored as the nested group "Boot/Colors":
// QSettings would keep a "\" inside a group name as a literal character.
#pragma once

#include <QSettings>

#include "app/settings.h"

namespace fpw::ui {

class QSettingsStore : public app::SettingsStore {
public:
    QSettingsStore();

    std::optional<std::string> value(std::string_view section,
                                     std::string_view name) const override;
    void setValue(std::string_view section, std::string_view name, std::string_view value) override;

    // Writes pending changes now (they are written at destruction anyway).
    void sync() { settings_.sync(); }
    QString fileName() const { return settings_.fileName(); }

    // The QSettings key of a value: "Boot\Colors", "Normal" gives "Boot/Colors/Normal".
    static QString key(std::string_view section, std::string_view name);

private:
    mutable QSettings settings_;
};

} // namespace fpw::ui
