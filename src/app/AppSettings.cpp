#include "app/AppSettings.h"

#include "app/VisualStyles.h"

namespace ZrlApp {

namespace {
const QString viewFlagsKey = QStringLiteral("ZrlViewSettings/view_filter_flags");
const QString lookKey = QStringLiteral("ApplicationLook");
const QString recentKey = QStringLiteral("RecentFiles");
const QString columnsGroup = QStringLiteral("Layout/columns/");
const QString geometryKey = QStringLiteral("Layout/geometry");
const QString stateKey = QStringLiteral("Layout/state");
const QString supportKey = QStringLiteral("SupportAddress");
const QString mailProgramKey = QStringLiteral("MailProgram");
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

int AppSettings::applicationLook() const { return nearestLook(settings.value(lookKey, defaultLook).toInt()); }

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

QStringList AppSettings::columnLayout(const QString& kind) const
{
    return settings.value(columnsGroup + kind).toStringList();
}

void AppSettings::setColumnLayout(const QString& kind, const QStringList& layout)
{
    settings.setValue(columnsGroup + kind, layout);
}

QByteArray AppSettings::windowGeometry() const { return settings.value(geometryKey).toByteArray(); }

QByteArray AppSettings::windowState() const { return settings.value(stateKey).toByteArray(); }

void AppSettings::setWindowLayout(const QByteArray& geometry, const QByteArray& state)
{
    settings.setValue(geometryKey, geometry);
    settings.setValue(stateKey, state);
}

QString AppSettings::supportAddress() const
{
    return settings.value(supportKey, QStringLiteral("support@korvane.invalid")).toString();
}

QString AppSettings::mailProgram() const
{
    return settings.value(mailProgramKey, QStringLiteral("xdg-email")).toString();
}

} // namespace ZrlApp
