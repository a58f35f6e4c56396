#pragma once

#include "common/ILogger.h"
#include "common/LogRow.h"
#include "grid/SortedGridTable.h"

#include <cstdarg>
#include <memory>
#include <mutex>
#include <vector>

namespace CommonLib {

// The application log: a list of rows that is also a grid table (columns "Line", "Time",
// "Result", "Error") and a grid of one table, itself. Any thread may add rows; the rows and
// the counter are guarded by the log's mutex and observers are notified after it is released,
// on the adding thread. Create with std::make_shared so observers receive the log as a grid.
class Logger : public ILogger, public SortedGridTable {
public:
    // Context menu commands; the list control carries out export and mail itself.
    static constexpr std::int32_t exportCommand = 12000;
    static constexpr std::int32_t emailCommand = 12001;
    static constexpr std::int32_t clearCommand = 12002;

    Logger();

    // ILogger
    void logCode(std::int32_t code, const char* format, ...) override __attribute__((format(printf, 3, 4)));
    void logFormat(const char* format, ...) override __attribute__((format(printf, 2, 3)));
    void logText(const std::string& text) override;
    void logCodeText(std::int32_t code, const std::string& text) override;
    void logBlankLine() override;
    void clearEntries() override;
    void writeLog(std::ostream& out, bool full) override;
    bool saveLog(const std::string& name, bool nameIsPath, bool full) override;
    std::int32_t logResult(bool passed) override;

    // Grid table
    std::uint32_t getRowCount() const override;
    std::string getRowId(std::uint32_t row) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    std::string getCellMetaData(std::uint32_t row, std::uint32_t column) const override;
    std::uint32_t getRowBackColour(std::uint32_t row) const override;
    void getContextMenuItems(std::vector<GridMenuItem>& items) const override;
    bool onCommand(std::int32_t commandId) override;
    void sortRows() override;

    // Grid: one table, the log itself.
    std::uint32_t getTableCount() const override;
    std::shared_ptr<IGridTable> findTable(const std::string& name) override;
    std::shared_ptr<IGridTable> getTable(std::uint32_t index) override;

    // The row at this display position (rows never change once added); empty past the end.
    std::shared_ptr<const LogRow> getRow(std::uint32_t row) const;

private:
    void addRow(std::int32_t code, std::string text);
    void notifyChanged();

    mutable std::mutex rowMutex;
    std::vector<std::shared_ptr<LogRow>> rows;
    std::uint32_t counter = 0;
    bool sortEnabled = true;
    bool autoScroll = true;
};

// Background colour (COLORREF) of a log row with this result code.
std::uint32_t logRowColour(std::int32_t code);

} // namespace CommonLib
