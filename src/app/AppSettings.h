#pragma once
// The per-user settings of the viewer: the view switches ("ZrlViewSettings/view_filter_flags",
// default 1), the visual style ("ApplicationLook", default 217), the recent-file list, the
// remembered layout ("Layout/...") and the support address of the mailed log.
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

    // The remembered layout of the lists of one kind ("name=width" per column, on-screen order).
    QStringList columnLayout(const QString& kind) const;
    void setColumnLayout(const QString& kind, const QStringList& layout);
    // The main window's geometry and its dock and toolbar state; empty until first saved.
    QByteArray windowGeometry() const;
    QByteArray windowState() const;
    void setWindowLayout(const QByteArray& geometry, const QByteArray& state);

    // The address "Email log to Tech Support" writes to ("SupportAddress").
    QString supportAddress() const;
    // The program that hands a mail with an attachment to the desktop ("MailProgram", default
    // xdg-email).
    QString mailProgram() const;

    void sync() { settings.sync(); }

private:
    void storeRecentFiles(const QStringList& files);

    QSettings settings;
};

} // namespace ZrlApp
