#pragma once
// The four visual styles of the View menu, as application palettes.
#include <QString>

#include <vector>

namespace ZrlApp {

struct VisualStyle {
    int command;   // the style's menu command, kept in "ApplicationLook"
    QString text;  // its menu text
};

// Blue (215), Black (216), Silver (217), Aqua (218).
const std::vector<VisualStyle>& visualStyles();
// Applies the style; an unknown command falls back to silver.
void applyVisualStyle(int command);

} // namespace ZrlApp
