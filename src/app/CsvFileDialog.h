#pragma once
// The shared save dialog for CSV files.
#include <QString>

#include <functional>

class QWidget;

namespace ZrlApp {

// The proposed name: the path with a final ".zrl" removed and ".csv" appended (empty stays empty).
QString proposedCsvName(const QString& documentPath);
// The chosen full path, or empty when cancelled. It does not ask before overwriting.
QString chooseCsvFile(QWidget* parent, const QString& documentPath);

// Answers in place of the dialog, given the proposed name (tests choose files this way); an
// empty chooser restores the dialog.
using CsvFileChooser = std::function<QString(const QString& proposedPath)>;
void setCsvFileChooser(CsvFileChooser chooser);

} // namespace ZrlApp
