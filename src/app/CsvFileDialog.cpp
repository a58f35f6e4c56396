#include "app/CsvFileDialog.h"

#include <QFileDialog>

namespace ZrlApp {

namespace {
CsvFileChooser& installedChooser()
{
    static CsvFileChooser chooser;
    return chooser;
}
} // namespace

void setCsvFileChooser(CsvFileChooser chooser) { installedChooser() = std::move(chooser); }

QString proposedCsvName(const QString& documentPath)
{
    if (documentPath.isEmpty())
        return {};
    QString name = documentPath;
    if (name.endsWith(QStringLiteral(".zrl")))
        name.chop(4);
    return name + QStringLiteral(".csv");
}

QString chooseCsvFile(QWidget* parent, const QString& documentPath)
{
    if (const CsvFileChooser& chooser = installedChooser())
        return chooser(proposedCsvName(documentPath));
    QFileDialog dialog(parent, QString(), proposedCsvName(documentPath),
                       QStringLiteral("comma separated variable file (*.csv);;All Files (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace ZrlApp
