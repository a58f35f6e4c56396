#include "app/Screenshot.h"

#include "app/AnalysisTabs.h"
#include "app/BackgroundWork.h"
#include "app/MainWindow.h"
#include "app/NetworkPane.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

namespace ZrlApp {

namespace {

int firstN2kRow(const KelpLib::ShownList& shown)
{
    for (std::uint32_t row = 0; row < shown.size(); ++row)
        if (shown.element(KelpLib::ShownRow(row)).effectiveVariant() == KelpLib::MsgVariant::N2k)
            return static_cast<int>(row);
    return shown.empty() ? -1 : 0;
}

std::optional<std::uint8_t> firstSourceOf(const KelpLib::ZRLDoc& document, std::uint32_t pgn)
{
    for (std::size_t line = 0; line < document.elementCount(); ++line)
        if (const auto& element = document.element(KelpLib::ElementLine(std::uint32_t(line))); element.pgn() == pgn)
            return std::uint8_t(element.variant().source);
    return std::nullopt;
}

} // namespace

bool takeScreenshotArguments(QStringList& arguments, ScreenshotRequest& request)
{
    bool wanted = false;
    for (int index = 1; index < arguments.size();) {
        const QString& argument = arguments[index];
        if (argument == QStringLiteral("--track") || argument == QStringLiteral("--bus-load")) {
            (argument == QStringLiteral("--track") ? request.track : request.busLoad) = true;
            arguments.remove(index, 1);
        } else if ((argument == QStringLiteral("--screenshot") || argument == QStringLiteral("--select-row") ||
                    argument == QStringLiteral("--plot")) &&
                   index + 1 < arguments.size()) {
            if (argument == QStringLiteral("--screenshot")) {
                request.file = arguments[index + 1];
                wanted = true;
            } else if (argument == QStringLiteral("--plot")) {
                request.plots << arguments[index + 1];
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
        const auto picture = [&window, request] {
            // The panes refresh through queued calls: let them run before the picture.
            QTimer::singleShot(500, &window, [&window, request] {
                const bool saved = window.grab().save(request.file, "PNG");
                if (!saved)
                    std::fprintf(stderr, "Cannot write the screenshot %s\n", qPrintable(request.file));
                QApplication::exit(saved ? 0 : 1);
            });
        };
        if (request.busLoad) {
            // The pane reads the network on a worker: plot once its tables are there.
            NetworkPane* pane = window.networkPane();
            if (pane->openBusLoad() != nullptr)
                return picture();
            QObject::connect(
                pane, &NetworkPane::tablesShown, &window,
                [pane, picture] {
                    if (pane->openBusLoad() == nullptr)
                        std::fprintf(stderr, "No bus load to plot\n");
                    picture();
                },
                Qt::SingleShotConnection);
            return;
        }
        if (request.plots.isEmpty() && !request.track)
            return picture();
        AnalysisTabs* tabs = document->analysisTabs();
        for (const QString& plot : request.plots) {
            ZrlAnalysis::SeriesSpec spec;
            spec.pgn = plot.section(QLatin1Char(':'), 0, 0).toUInt();
            spec.field = plot.section(QLatin1Char(':'), 1).toStdString();
            spec.source = firstSourceOf(document->doc(), spec.pgn);
            if (!tabs->addSeries(spec))
                std::fprintf(stderr, "Cannot plot %s\n", qPrintable(plot));
        }
        if (request.track)
            tabs->showTrack();
        if (tabs->work().busy())
            QObject::connect(&tabs->work(), &BackgroundWork::idle, &window, picture, Qt::SingleShotConnection);
        else
            picture();
    });
}

} // namespace ZrlApp
