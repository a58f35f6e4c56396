#pragma once
// The four visual styles of the View menu, as application palettes.
#include <QColor>
#include <QPalette>
#include <QString>

#include <vector>

namespace ZrlApp {

struct VisualStyle {
    int command;   // the style's menu command, kept in "ApplicationLook"
    QString label; // its menu text
    QColor window; // frame, menu bar, toolbar and pane title colour
    QColor base;   // background of the lists
    QColor textColour; // text on the base
    QColor highlight;
};

// Blue (215), Black (216), Silver (217), Aqua (218).
const std::vector<VisualStyle>& visualStyles();
// The style a stored "ApplicationLook" stands for: one of the four as it is, the older styles
// 210 to 214 as the one of the four they resemble most, anything else silver.
int nearestLook(int stored);
// The application palette of a style (after nearestLook).
QPalette paletteOf(int command);
// Applies the style to the application: the Fusion widget style and the style's palette.
void applyVisualStyle(int command);

} // namespace ZrlApp
