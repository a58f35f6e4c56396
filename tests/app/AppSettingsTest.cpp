// Settings kept between runs: view switches, visual style and recent files.
#include "app/AppSettings.h"

#include <QTemporaryDir>
#include <QTest>

using ZrlApp::AppSettings;

class AppSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithNothingStored()
    {
        QTemporaryDir folder;
        AppSettings settings(folder.filePath("zrl.ini"));
        QCOMPARE(settings.loadViewSettings().getFlags(), 1u);
        QCOMPARE(settings.applicationLook(), 217);
        QVERIFY(settings.recentFiles().isEmpty());
    }

    void valuesSurviveARestart()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("zrl.ini");
        {
            AppSettings settings(path);
            KelpLib::ViewSettings view;
            view.toggleHideAssembled();
            settings.saveViewSettings(view);
            settings.setApplicationLook(215);
            settings.sync();
        }
        AppSettings reopened(path);
        QCOMPARE(reopened.loadViewSettings().getFlags(), 3u);
        QCOMPARE(reopened.applicationLook(), 215);
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("ZrlViewSettings/view_filter_flags").toUInt(), 3u);
    }

    void recentFilesKeepEightNewestFirst()
    {
        QTemporaryDir folder;
        AppSettings settings(folder.filePath("zrl.ini"));
        for (int index = 0; index < 10; ++index)
            settings.addRecentFile(QStringLiteral("/logs/%1.zrl").arg(index));
        settings.addRecentFile(QStringLiteral("/logs/5.zrl"));
        const QStringList files = settings.recentFiles();
        QCOMPARE(files.size(), 8);
        QCOMPARE(files.first(), QStringLiteral("/logs/5.zrl"));
        QCOMPARE(files.count(QStringLiteral("/logs/5.zrl")), 1);
        QCOMPARE(files.last(), QStringLiteral("/logs/2.zrl"));
        settings.removeRecentFile(QStringLiteral("/logs/5.zrl"));
        QCOMPARE(settings.recentFiles().first(), QStringLiteral("/logs/9.zrl"));
    }
};

QTEST_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
