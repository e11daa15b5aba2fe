#include "ui/services/qsettingsstore.h"

#include "app/identity.h"
#include "ui/services/qtuserinteraction.h"

namespace fpw::ui {

QSettingsStore::QSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope,
                toQString(app::kSettingsOrganisation), toQString(app::kSettingsApplication)) {}

QString QSettingsStore::key(std::string_view section, std::string_view name) {
    QString group = toQString(section);
    group.replace('\\', '/');
    return group + '/' + toQString(name);
}

std::optional<std::string> QSettingsStore::value(std::string_view section,
                                                 std::string_view name) const {
    const QString path = key(section, name);
    if (!settings_.contains(path)) {
        return std::nullopt;
    }
    return settings_.value(path).toString().toStdString();
}

void QSettingsStore::setValue(std::string_view section, std::string_view name,
                              std::string_view value) {
    settings_.setValue(key(section, name), toQString(value));
}

} // namespace fpw::ui
