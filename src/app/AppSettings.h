#pragma once
// The per-user settings of the viewer: the view switches ("ZrlViewSettings/view_filter_flags",
// default 1), the visual style ("ApplicationLook", default 217) and the recent-file list.
#include "filter/ViewSettings.h"

#include <QSettings>
#include <QStringList>

namespace ZrlApp {

class AppSettings {
public:
    static constexpr int recentFileCount = 8;
    static constexpr int defaultLook = 217;

    // The application's own settings (organisation and application names set beforehand).
    AppSettings();
    // Settings kept in an ini file (tests).
    explicit AppSettings(const QString& iniPath);

    KelpLib::ViewSettings loadViewSettings() const;
    void saveViewSettings(const KelpLib::ViewSettings& view);

    int applicationLook() const;
    void setApplicationLook(int look);

    QStringList recentFiles() const;
    // Puts the path first, dropping an older copy and anything past the eighth entry.
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    void sync() { settings.sync(); }

private:
    void storeRecentFiles(const QStringList& files);

    QSettings settings;
};

} // namespace ZrlApp
