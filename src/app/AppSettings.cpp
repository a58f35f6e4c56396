#include "app/AppSettings.h"

namespace ZrlApp {

namespace {
const QString viewFlagsKey = QStringLiteral("ZrlViewSettings/view_filter_flags");
const QString lookKey = QStringLiteral("ApplicationLook");
const QString recentKey = QStringLiteral("RecentFiles");
} // namespace

AppSettings::AppSettings() = default;

AppSettings::AppSettings(const QString& iniPath) : settings(iniPath, QSettings::IniFormat) {}

KelpLib::ViewSettings AppSettings::loadViewSettings() const
{
    const uint flags = settings.value(viewFlagsKey, KelpLib::ViewSettings::defaultFlags).toUInt();
    return KelpLib::ViewSettings(flags);
}

void AppSettings::saveViewSettings(const KelpLib::ViewSettings& view)
{
    settings.setValue(viewFlagsKey, view.getFlags());
}

int AppSettings::applicationLook() const { return settings.value(lookKey, defaultLook).toInt(); }

void AppSettings::setApplicationLook(int look) { settings.setValue(lookKey, look); }

QStringList AppSettings::recentFiles() const
{
    QStringList files = settings.value(recentKey).toStringList();
    while (files.size() > recentFileCount)
        files.removeLast();
    return files;
}

void AppSettings::addRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    storeRecentFiles(files);
}

void AppSettings::removeRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    storeRecentFiles(files);
}

void AppSettings::storeRecentFiles(const QStringList& files)
{
    settings.setValue(recentKey, files.mid(0, recentFileCount));
}

} // namespace ZrlApp
