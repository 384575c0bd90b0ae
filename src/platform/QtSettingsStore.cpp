#include "QtSettingsStore.h"

#include "ApplicationIdentity.h"
#include "QtPathText.h"

#include <QSettings>
#include <QVariant>

namespace Platform {

namespace {

// Qt writes the keys outside any group under "[General]" and a group named
// "General" as "[%General]"; the section "General" must show as "[General]".
const QString kRootSection = QStringLiteral("General");

class SectionScope
{
public:
    SectionScope(QSettings& settings, const std::string& section) : settings_(settings)
    {
        const QString name = QString::fromStdString(section);
        grouped_ = name != kRootSection;
        if (grouped_)
            settings_.beginGroup(name);
    }
    ~SectionScope()
    {
        if (grouped_)
            settings_.endGroup();
    }
    SectionScope(const SectionScope&) = delete;
    SectionScope& operator=(const SectionScope&) = delete;

private:
    QSettings& settings_;
    bool grouped_ = false;
};

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
    const SectionScope scope(settings, section);
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
    {
        const SectionScope scope(settings, section);
        settings.setValue(QString::fromStdString(key), PathToQString(value));
    }
    // On disk at once: the folder is remembered even if the program ends
    // abruptly later in the conversion.
    settings.sync();
}

} // namespace Platform
