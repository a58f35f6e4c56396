#include "grid/SortedGridTable.h"

#include <algorithm>

namespace CommonLib {

bool SortedGridTable::sortBy(const std::string& columnId, bool sortAscending)
{
    ascending = sortAscending;
    if (std::find(sortKeys.begin(), sortKeys.end(), columnId) != sortKeys.end()) {
        std::vector<std::string> keys{columnId};
        for (const std::string& key : sortKeys) {
            if (key != columnId)
                keys.push_back(key);
        }
        sortKeys = std::move(keys);
    }
    sortRows();
    onSorted();
    notifyTableChanged(IGrid::shared_from_this());
    return true;
}

void SortedGridTable::onSorted() {}

} // namespace CommonLib
