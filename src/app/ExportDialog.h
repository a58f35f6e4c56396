#pragma once
// The Export dialog: "OK" and the "Decoded" check box, which is enabled only when the
// document's filter has enabled PGNs (a decoded export is limited to them).
#include <QDialog>

#include <cstdint>
#include <vector>

class QCheckBox;

namespace ZrlApp {

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialog(const std::vector<std::uint32_t>& enabledPgns, QWidget* parent = nullptr);

    QCheckBox* decodedBox() const { return decoded; }
    // The state of "Decoded" (false while it is disabled).
    bool decodedChosen() const;

private:
    QCheckBox* decoded;
};

} // namespace ZrlApp
