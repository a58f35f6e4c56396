#pragma once
// The Export dialog: "OK" and the "Decoded" check box, which is enabled only when the
// document's filter has enabled PGNs (a decoded export is limited to them).
#include "log/ZRLDoc.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;

namespace ZrlApp {

// Whether the document offers a decoded export; the viewer offers it as soon as it does.
template <typename Document>
constexpr bool hasDecodedExport = requires(Document& document, const std::string& path,
                                           const std::vector<std::uint32_t>& pgns) {
    document.exportDecodedCsv(path, pgns);
};
constexpr bool decodedExportAvailable = hasDecodedExport<KelpLib::ZRLDoc>;

// Runs the decoded export where the document has one; false (nothing written) otherwise.
template <typename Document>
bool exportDecoded(Document& document, const std::string& path, const std::vector<std::uint32_t>& pgns)
{
    if constexpr (hasDecodedExport<Document>) {
        document.exportDecodedCsv(path, pgns);
        return true;
    } else {
        return false;
    }
}

// The tool tip of a decoded-export control that is disabled because this build lacks it.
QString decodedUnavailableTip();

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // decodedOffered: whether a decoded export can run at all.
    ExportDialog(const std::vector<std::uint32_t>& enabledPgns, bool decodedOffered = decodedExportAvailable,
                 QWidget* parent = nullptr);

    QCheckBox* decodedBox() const { return decoded; }
    // The state of "Decoded" (false while it is disabled).
    bool decodedChosen() const;

private:
    QCheckBox* decoded;
};

} // namespace ZrlApp
