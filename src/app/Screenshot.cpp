#include "app/Screenshot.h"

#include "app/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace ZrlApp {

namespace {

int firstN2kRow(const KelpLib::ShownList& shown)
{
    for (std::uint32_t row = 0; row < shown.size(); ++row)
        if (shown.element(KelpLib::ShownRow(row)).effectiveVariant() == KelpLib::VariantN2k)
            return static_cast<int>(row);
    return shown.empty() ? -1 : 0;
}

} // namespace

bool takeScreenshotArguments(QStringList& arguments, ScreenshotRequest& request)
{
    bool wanted = false;
    for (int index = 1; index < arguments.size();) {
        const QString& argument = arguments[index];
        if ((argument == QStringLiteral("--screenshot") || argument == QStringLiteral("--select-row")) &&
            index + 1 < arguments.size()) {
            if (argument == QStringLiteral("--screenshot")) {
                request.file = arguments[index + 1];
                wanted = true;
            } else {
                request.row = arguments[index + 1].toInt();
            }
            arguments.remove(index, 2);
        } else {
            ++index;
        }
    }
    return wanted;
}

void screenshotAfterLoad(MainWindow& window, const ScreenshotRequest& request)
{
    auto* once = new QObject(&window);
    QObject::connect(&window, &MainWindow::documentLoaded, once, [&window, request, once](DocumentWindow* document) {
        delete once;
        const int row = request.row >= 0 ? request.row : firstN2kRow(document->shown());
        if (row >= 0 && row < document->list()->model()->rowCount()) {
            document->list()->selectRow(row);
            document->list()->scrollTo(document->list()->model()->index(row, 0));
        }
        // The panes refresh through queued calls: let them run before the picture.
        QTimer::singleShot(500, &window, [&window, request] {
            const bool saved = window.grab().save(request.file, "PNG");
            if (!saved)
                std::fprintf(stderr, "Cannot write the screenshot %s\n", qPrintable(request.file));
            QApplication::exit(saved ? 0 : 1);
        });
    });
}

} // namespace ZrlApp
