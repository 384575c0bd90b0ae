#include "qt/QtSettingsStore.h"

#include "common/ApplicationIdentity.h"
#include "qt/QtPathText.h"

#include <QSettings>
#include <QVariant>

namespace Platform {

namespace {

// Qt writes the keys outside any group under "[General]", and a group named "General" as
// "[%General]": the section "General" is the top level, any other section a group.
void OpenSection(QSettings& settings, const std::string& section)
{
    if (section != "General")
        settings.beginGroup(QString::fromStdString(section));
}

} // namespace

QString QtSettingsStore::OrganizationName()
{
    return QString::fromStdString(Common::Identity().productName);
}

std::string QtSettingsStore::GetSetting(const std::string& application, const std::string& section,
                                        const std::string& key, const std::string& defaultValue)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                       QString::fromStdString(application));
    OpenSection(settings, section);
    const QString name = QString::fromStdString(key);
    if (!settings.contains(name))
        return defaultValue;
    // The one setting is a folder: its text is a file name.
    return PathFromQString(settings.value(name).toString());
}

void QtSettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                       QString::fromStdString(application));
    OpenSection(settings, section);
    settings.setValue(QString::fromStdString(key), PathToQString(value));
    // On disk at once: the folder is remembered even if the program ends
    // abruptly later in the conversion.
    settings.sync();
}

} // namespace Platform
