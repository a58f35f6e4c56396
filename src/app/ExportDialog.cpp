#include "app/ExportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZrlApp {

ExportDialog::ExportDialog(const std::vector<std::uint32_t>& enabledPgns, QWidget* parent)
    : QDialog(parent), decoded(new QCheckBox(QStringLiteral("Decoded"), this))
{
    setWindowTitle(QStringLiteral("Export"));
    decoded->setEnabled(!enabledPgns.empty());
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(decoded);
    layout->addWidget(buttons);
}

bool ExportDialog::decodedChosen() const { return decoded->isEnabled() && decoded->isChecked(); }

} // namespace ZrlApp
