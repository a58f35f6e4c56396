#pragma once
// The Summary window: one row per PGN of the document's NMEA 2000 messages, with its
// description and how many messages carry it, in the order the PGNs were first met.
#include "log/PgnSummary.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace ZrlApp {

class SummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit SummaryDialog(const std::vector<KelpLib::PgnSummaryEntry>& entries, QWidget* parent = nullptr);

    QTableWidget* table() const { return list; }

private:
    QTableWidget* list;
};

} // namespace ZrlApp
