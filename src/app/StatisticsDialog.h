#pragma once
// "Statistics": per PGN and source, the count, the mean rate and the intervals between
// messages, and where the longest gap ended; of the whole log or of one source address. The
// columns sort; "Bus load..." charts the frames per second of the whole log.
#include "analysis/NetworkTables.h"

#include <QDialog>

#include <memory>
#include <optional>

class QTableView;

namespace ZrlApp {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // Every row, or those of one source address.
    StatisticsDialog(std::shared_ptr<const ZrlAnalysis::NetworkTables> tables, std::optional<std::uint8_t> source,
                     QWidget* parent = nullptr);

    QTableView* table() const { return view; }

signals:
    void busLoadRequested();

private:
    QTableView* view;
};

}  // namespace ZrlApp
