#pragma once
// The shared save dialog for CSV files.
#include <QString>

class QWidget;

namespace ZrlApp {

// The proposed name: the path with a final ".zrl" removed and ".csv" appended (empty stays empty).
QString proposedCsvName(const QString& documentPath);
// The chosen full path, or empty when cancelled. It does not ask before overwriting.
QString chooseCsvFile(QWidget* parent, const QString& documentPath);

} // namespace ZrlApp
