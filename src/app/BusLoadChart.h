#pragma once
// "Bus load": a window charting the frames per second over the log and the estimated share of
// a 250 kbit/s bus they take, on a UTC time axis; the wheel zooms the time, a drag pans it.
#include "analysis/NetworkTables.h"

#include <QWidget>

namespace ZrlApp {

// A top-level window that deletes itself on close, not yet shown.
QWidget* makeBusLoadWindow(const ZrlAnalysis::BusLoad& load, QWidget* parent);

}  // namespace ZrlApp
