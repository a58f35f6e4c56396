// What the window tests share: the demo log, a main window with a settings file of its own,
// the messages a user would have been shown, and the list's cells read by header.
#pragma once

#include "app/MainWindow.h"
#include "app/UserMessages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace ZrlTest {

inline const QString demoPath = QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.zrl");
constexpr int loadTimeout = 60000;

// The element of a shown row of a document's list.
inline const KelpLib::ZRLElement& shownElement(const ZrlApp::DocumentWindow& document, int row)
{
    return document.shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row)));
}

// The text of a list cell under the column headed `header`.
inline QString cell(const ZrlApp::DocumentWindow& document, int row, const QString& header)
{
    const auto* model = document.list()->model();
    for (int column = 0; column < model->columnCount(); ++column)
        if (model->headerData(column, Qt::Horizontal).toString() == header)
            return model->index(row, column).data().toString();
    return QStringLiteral("no column ") + header;
}

// The lines of a written CSV file, without their CR LF ends.
inline QStringList csvLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Set up in a test's init() with start(), torn down in cleanup() with finish().
class WindowFixture {
protected:
    void start()
    {
        messages.clear();
        ZrlApp::setMessageSink([this](ZrlApp::MessageKind, const QString& caption, const QString& text) {
            captions << caption;
            messages << text;
        });
        captions.clear();
        folder = std::make_unique<QTemporaryDir>();
        window = makeWindow();
    }

    void finish()
    {
        window.reset();
        ZrlApp::setMessageSink({});
    }

    // A shown and active main window reading and writing this test's own settings file.
    std::unique_ptr<ZrlApp::MainWindow> makeWindow()
    {
        auto made = std::make_unique<ZrlApp::MainWindow>(
            std::make_unique<ZrlApp::AppSettings>(folder->filePath("zrl.ini")));
        made->show();
        made->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(made.get())); }();
        return made;
    }

    // Opens a log and waits until it is loaded.
    ZrlApp::DocumentWindow* openLoaded(const QString& path = demoPath)
    {
        ZrlApp::DocumentWindow* document = window->openFile(path);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(document && document->isLoaded(), loadTimeout); }();
        return document;
    }

    QStringList messages;
    QStringList captions;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ZrlApp::MainWindow> window;
};

} // namespace ZrlTest
