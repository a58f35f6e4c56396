#include "applog/Logger.h"

#include "common/KorvErr.h"
#include "common/LogFolder.h"
#include "common/LogText.h"
#include "grid/GeneratedIds.h"
#include "common/SafeFormat.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace CommonLib {
namespace {

const char* const lineEnd = "\r\n";
const char* const columnLine = "Line";
const char* const columnTime = "Time";
const char* const columnResult = "Result";
const char* const columnError = "Error";

std::string codeMessage(std::int32_t code)
{
    return std::string(errorMessage(code));
}

} // namespace

std::uint32_t logRowColour(std::int32_t code)
{
    if (code < 0)
        return 0xAAAAFF;
    switch (code) {
    case 0: return 0xCCFFCC;
    case 10: return 0x0000FF;
    case 11: return 0x00A5FF;
    case 12: return 0x00FFFF;
    case 13: return 0x00FF00;
    case 14: return 0xFF0000;
    case 15: return 0xCC6600;
    default: return 0xAACCFF;
    }
}

Logger::Logger() : SortedGridTable("Logger", "Message Log")
{
    columnIds = {columnLine, columnTime, columnResult, columnError};
    sortKeys = columnIds;
}

void Logger::logCode(std::int32_t code, const char* format, ...)
{
    SafeFormat formatter;
    std::va_list args;
    va_start(args, format);
    formatter.vformat(format, args);
    va_end(args);
    std::string text = formatter.str();
    if (code != 0)
        text = applyPositionalArgument(text, codeMessage(code));
    addRow(code, std::move(text));
}

void Logger::logFormat(const char* format, ...)
{
    SafeFormat formatter;
    std::va_list args;
    va_start(args, format);
    formatter.vformat(format, args);
    va_end(args);
    addRow(0, formatter.str());
}

void Logger::logText(const std::string& text) { logCodeText(0, text); }

void Logger::logCodeText(std::int32_t code, const std::string& text) { addRow(code, text); }

void Logger::logBlankLine() { addRow(0, std::string()); }

std::int32_t Logger::logResult(bool passed)
{
    if (passed) {
        addRow(0, "Passed");
        return 0;
    }
    addRow(failedCode, "!!!!  Failed  !!!!");
    return failedCode;
}

void Logger::addRow(std::int32_t code, std::string text)
{
    std::string time = logTimeOfDay();
    {
        std::lock_guard<std::mutex> lock(rowMutex);
        const std::uint32_t line = counter++;
        rows.push_back(std::make_shared<LogRow>(line, std::move(text), code, std::move(time)));
    }
    notifyChanged();
}

void Logger::clearEntries()
{
    {
        std::lock_guard<std::mutex> lock(rowMutex);
        counter = 0;
        rows.clear();
    }
    sortRows();
    notifyChanged();
}

void Logger::notifyChanged()
{
    notifyTableChanged(IGrid::shared_from_this());
    if (autoScroll)
        notifyScrollToEnd();
}

void Logger::writeLog(std::ostream& out, bool full)
{
    if (full)
        out << columnLine << ", " << columnTime << ", " << columnResult << ", " << columnError << lineEnd;
    std::lock_guard<std::mutex> lock(rowMutex);
    for (const auto& row : rows) {
        if (full)
            out << row->line << ", " << row->time << ", ";
        out << row->text;
        if (full)
            out << ", " << codeMessage(row->code) << " (" << row->code << ")";
        out << lineEnd;
    }
}

bool Logger::saveLog(const std::string& name, bool nameIsPath, bool full)
{
    std::filesystem::path file(name);
    if (!nameIsPath) {
        const std::filesystem::path folder = logFolder();
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        file = folder / (name + ".csv");
    }
    // Binary, so that the CR LF line ends are written as they are.
    std::ofstream out(file, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!out)
        return false;
    writeLog(out, full);
    out.flush();
    return static_cast<bool>(out);
}

std::uint32_t Logger::getRowCount() const
{
    std::lock_guard<std::mutex> lock(rowMutex);
    return static_cast<std::uint32_t>(rows.size());
}

std::string Logger::getRowId(std::uint32_t row) const { return numberedRowId(row, getRowCount()); }

std::shared_ptr<const LogRow> Logger::getRow(std::uint32_t row) const
{
    std::lock_guard<std::mutex> lock(rowMutex);
    if (row >= rows.size())
        return nullptr;
    return rows[row];
}

std::string Logger::getCellText(std::uint32_t row, const std::string& columnId) const
{
    const std::shared_ptr<const LogRow> logRow = getRow(row);
    if (!logRow)
        return "Row Out Of Range";
    if (columnId == columnLine)
        return std::to_string(logRow->line);
    if (columnId == columnTime)
        return logRow->time;
    if (columnId == columnResult)
        return logRow->text;
    if (columnId == columnError)
        return codeMessage(logRow->code);
    return "Column Out Of Range";
}

std::string Logger::getCellMetaData(std::uint32_t, std::uint32_t column) const
{
    return numberedCellMetaData(column, getColumnCount());
}

std::uint32_t Logger::getRowBackColour(std::uint32_t row) const
{
    const std::shared_ptr<const LogRow> logRow = getRow(row);
    return logRow ? logRowColour(logRow->code) : 0xFFFFFF;
}

void Logger::getContextMenuItems(std::vector<GridMenuItem>& items) const
{
    items.push_back({exportCommand, "Export log to File"});
    items.push_back({emailCommand, "Email log to Tech Support"});
    items.push_back({clearCommand, "Clear log"});
}

bool Logger::onCommand(std::int32_t commandId)
{
    if (commandId != clearCommand)
        return false;
    clearEntries();
    return true;
}

// Rows keep their insertion order: an ascending sort leaves them as they are and a
// descending sort reverses the order they have now.
void Logger::sortRows()
{
    if (!sortEnabled)
        return;
    std::lock_guard<std::mutex> lock(rowMutex);
    if (!ascending)
        std::reverse(rows.begin(), rows.end());
}

std::uint32_t Logger::getTableCount() const { return 1; }

std::shared_ptr<IGridTable> Logger::findTable(const std::string&) { return IGridTable::shared_from_this(); }

std::shared_ptr<IGridTable> Logger::getTable(std::uint32_t) { return IGridTable::shared_from_this(); }

} // namespace CommonLib
