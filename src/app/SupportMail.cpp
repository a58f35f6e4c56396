#include "app/SupportMail.h"

#include "app/GridTableCsv.h"
#include "app/UserMessages.h"

#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <QUrlQuery>
#include <QWidget>

namespace ZrlApp {

namespace {

const QString subject = QStringLiteral("Support data logs");

void openMailtoInstead(QWidget* parent, const QString& file, const QString& address)
{
    QUrl link;
    link.setScheme(QStringLiteral("mailto"));
    link.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    query.addQueryItem(QStringLiteral("body"), QStringLiteral("The log is attached: ") + file);
    link.setQuery(query);
    QDesktopServices::openUrl(link);
    showMessage(parent, MessageKind::Information, QStringLiteral("ZRL Reader 2"), mailFallbackText(file, address));
}

} // namespace

QString supportMailFile() { return QDir(QDir::tempPath()).filePath(QStringLiteral("export_logs.csv")); }

QString mailFallbackText(const QString& file, const QString& address)
{
    return QStringLiteral("No mail program took the log. It is kept in\n%1\nA mail to %2 is opened instead: "
                          "attach the file to it.")
        .arg(file, address);
}

bool mailToSupport(QWidget* parent, const CommonLib::IGridTable& table, const QString& address, const QString& program)
{
    const QString file = supportMailFile();
    std::string reason;
    if (!writeTableCsv(table, file.toStdString(), reason)) {
        showMessage(parent, MessageKind::Warning, QStringLiteral("ZRL Reader 2"),
                    QStringLiteral("Failed to send data log email\n") + QString::fromStdString(reason));
        return false;
    }
    auto* mailer = new QProcess(parent);
    const QPointer<QWidget> owner(parent);
    auto fallBack = [owner, mailer, file, address] {
        mailer->deleteLater();
        openMailtoInstead(owner, file, address);
    };
    QObject::connect(mailer, &QProcess::errorOccurred, mailer, [fallBack](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fallBack();
    });
    QObject::connect(mailer, &QProcess::finished, mailer, [mailer, fallBack](int code, QProcess::ExitStatus status) {
        if (code != 0 || status != QProcess::NormalExit)
            fallBack();
        else
            mailer->deleteLater();
    });
    mailer->start(program, {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), file, address});
    return true;
}

} // namespace ZrlApp
