#include "app/AboutDialog.h"

#include "common/Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace ZrlApp {

QString aboutVersionText() { return QStringLiteral("Version ") + QString::fromLatin1(CommonLib::versionText()); }

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About ZRL Reader"));
    QFont font(QStringLiteral("Calibri"), 12);
    setFont(font);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("ZRL Reader 2"), this);
    QFont bold = font;
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("Copyright Korvane. All rights reserved."), this));
    layout->addWidget(new QLabel(QStringLiteral("Viewer for ZRL marine network logs."), this));
    auto* version = new QLabel(aboutVersionText(), this);
    version->setObjectName(QStringLiteral("version"));
    layout->addWidget(version);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace ZrlApp
