#include "query/ListSearch.h"

#include "query/ElementFacts.h"

#include "filter/ShownList.h"
#include "presentation/ListCells.h"
#include "n2k/N2KFieldInfo.h"
#include "n2k/N2KFieldWalk.h"
#include "n2k/LibN2K.h"
#include "n2k/PgnLookup.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace KelpLib {

namespace {

std::string lowerCase(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

} // namespace

ListSearch::ListSearch(std::string_view text, std::vector<ListColumn> shownColumns)
    : needle(lowerCase(text)), columns(std::move(shownColumns))
{
}

bool ListSearch::holds(const std::string& text) const { return lowerCase(text).find(needle) != std::string::npos; }

bool ListSearch::rowMatches(const ShownList& shown, std::size_t row) const
{
    if (needle.empty() || row >= shown.size())
        return false;
    const ShownRow shownRow(static_cast<std::uint32_t>(row));
    for (const ListColumn& column : columns)
        if (holds(listCellText(shown, shownRow, column)))
            return true;
    ElementFacts facts(shown.element(shownRow), shown.line(shownRow).value);
    const auto payload = facts.payload();
    if (!payload)
        return false;
    thread_local std::vector<StandardsLib::N2KFieldInfo> fields;
    StandardsLib::buildFieldList(*payload, StandardsLib::definitionFor(*payload), fields);
    for (const StandardsLib::N2KFieldInfo& field : fields) {
        try {
            if (holds(field.valueText(false)) || holds(field.valueText(true)))
                return true;
        } catch (const std::exception&) {
            // a field the renderer cannot place shows no value
        }
    }
    return false;
}

std::optional<std::size_t> ListSearch::find(const ShownList& shown, std::optional<std::size_t> from, bool forward,
                                            const std::atomic<bool>* cancel, std::atomic<std::size_t>* visited) const
{
    const std::size_t rows = shown.size();
    if (rows == 0 || needle.empty())
        return std::nullopt;
    std::size_t row = from && *from < rows ? *from : (forward ? rows - 1 : 0);
    for (std::size_t step = 0; step < rows; ++step) {
        row = forward ? (row + 1) % rows : (row + rows - 1) % rows;
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        if (visited != nullptr)
            visited->store(step + 1, std::memory_order_relaxed);
        if (rowMatches(shown, row))
            return row;
    }
    return std::nullopt;
}

} // namespace KelpLib
