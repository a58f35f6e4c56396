#pragma once
// "Plot <field> over time" in the right-click menu of the "Message Details" fields list, for a
// numeric field of the NMEA 2000 message or NMEA 0183 sentence shown there.
#include "analysis/SeriesSpec.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <string>

class QMenu;
class QModelIndex;

namespace KelpLib {
class ZRLElement;
}

namespace ZrlApp {

class DocumentWindow;
class GridTableView;

// The series a field of an element's details stands for: the field's PGN definition, source
// and instance (or sentence formatter), in the unit of the column ("User Data" and "User Units"
// ask for the converted unit when the field has one). Nothing for a field that is not numeric.
std::optional<ZrlAnalysis::SeriesSpec> seriesSpecFor(const KelpLib::ZRLElement& element, const std::string& fieldName,
                                                     const std::string& columnId, std::uint32_t viewFlags);

class PlotFieldMenu : public QObject {
    Q_OBJECT
public:
    explicit PlotFieldMenu(GridTableView& fields);

    // The element the details pane shows, and its document.
    void setShown(const KelpLib::ZRLElement* element, DocumentWindow* document);
    // Adds the series of the field on `row` in the column `columnId` to the document's plot.
    bool plotField(int row, const std::string& columnId);

private:
    void extendMenu(QMenu& menu, const QModelIndex& index);

    GridTableView& fields;
    const KelpLib::ZRLElement* element = nullptr;
    QPointer<DocumentWindow> document;
};

} // namespace ZrlApp
