#pragma once
// "Email log to Tech Support": the table is written to export_logs.csv in the temporary
// folder and handed, as an attachment of a mail to the support address, to the desktop's mail
// program (xdg-email). When no mail program takes it the file is kept, its path is shown, and
// a mailto: link to the support address is opened through the desktop instead.
#include "grid/IGridTable.h"

#include <QString>

class QWidget;

namespace ZrlApp {

// The file the mailed table is written to.
QString supportMailFile();
// The fallback's message naming the kept file.
QString mailFallbackText(const QString& file, const QString& address);

// Writes the table and starts the mail program; the fallback runs when the program cannot be
// started or ends with a failure. Returns false (after saying so) when the file cannot be written.
bool mailToSupport(QWidget* parent, const CommonLib::IGridTable& table, const QString& address, const QString& program);

} // namespace ZrlApp
