#include "app/PlotFieldMenu.h"

#include "analysis/N183NumericField.h"
#include "analysis/N2kNumericField.h"
#include "app/AnalysisTabs.h"
#include "app/DocumentWindow.h"
#include "app/GridTableView.h"
#include "log/ZRLElement.h"
#include "messages/N2KHeader.h"
#include "n2k/LibN2K.h"

#include <QMenu>

namespace ZrlApp {

namespace {

bool isUserColumn(const std::string& columnId) { return columnId == "User Data" || columnId == "User Units"; }

} // namespace

std::optional<ZrlAnalysis::SeriesSpec> seriesSpecFor(const KelpLib::ZRLElement& element, const std::string& fieldName,
                                                     const std::string& columnId, std::uint32_t viewFlags)
{
    ZrlAnalysis::SeriesSpec spec;
    spec.field = fieldName;
    spec.viewFlags = viewFlags;
    KelpLib::N2KHeaderView header;
    if (element.n2kHeader(header)) {
        const auto field = ZrlAnalysis::N2kNumericField::find(header.pgn, fieldName);
        if (!field)
            return std::nullopt;
        spec.pgn = header.pgn;
        spec.source = header.source;
        spec.instance = ZrlAnalysis::instanceOf(field->definition(), {header.pgn, header.length, header.payload});
        if (isUserColumn(columnId) && field->hasUserValue())
            spec.units = ZrlAnalysis::UnitChoice::user;
        return spec;
    }
    if (element.effectiveVariant() != KelpLib::MsgVariant::N183 || element.length() < 4)
        return std::nullopt;
    // The formatter follows the talker ("P" alone for proprietary sentences).
    const std::string text(reinterpret_cast<const char*>(element.data()), element.length());
    const std::size_t start = text[1] == 'P' ? 2 : 3;
    const std::size_t end = text.find_first_of(",*", start);
    spec.formatter = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!ZrlAnalysis::N183NumericField::find(spec.formatter, fieldName))
        return std::nullopt;
    return spec;
}

PlotFieldMenu::PlotFieldMenu(GridTableView& fieldsList) : QObject(&fieldsList), fields(fieldsList)
{
    fields.setMenuExtension([this](QMenu& menu, const QModelIndex& index) { extendMenu(menu, index); });
}

void PlotFieldMenu::setShown(const KelpLib::ZRLElement* shown, DocumentWindow* owner)
{
    element = shown;
    document = owner;
}

bool PlotFieldMenu::plotField(int row, const std::string& columnId)
{
    if (element == nullptr || document == nullptr || !document->isLoaded() || row < 0)
        return false;
    const std::string name = fields.gridModel()->table()->getCellText(std::uint32_t(row), "Name");
    const auto spec = seriesSpecFor(*element, name, columnId, document->shown().filters().viewSettings().getFlags());
    return spec && document->analysisTabs()->addSeries(*spec);
}

void PlotFieldMenu::extendMenu(QMenu& menu, const QModelIndex& index)
{
    if (!index.isValid() || element == nullptr || document == nullptr)
        return;
    const int row = index.row();
    const std::string columnId = fields.gridModel()->columnId(index.column());
    const std::string name = fields.gridModel()->table()->getCellText(std::uint32_t(row), "Name");
    if (!seriesSpecFor(*element, name, columnId, 1))
        return;
    menu.addAction(QStringLiteral("Plot %1 over time").arg(QString::fromStdString(name)), this,
                   [this, row, columnId] { plotField(row, columnId); });
    menu.addSeparator();
}

} // namespace ZrlApp
