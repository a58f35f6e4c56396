#include "app/VisualStyles.h"

#include "app/ReadableColour.h"

#include <QApplication>
#include <QStyleFactory>

#include <algorithm>
#include <utility>

namespace ZrlApp {

namespace {

constexpr int silver = 217;

// The older styles by the colour scheme they were drawn in: grey frames look silver, the
// blue-tinted ones blue.
constexpr std::pair<int, int> olderStyles[] = {{210, 217}, {211, 217}, {212, 215}, {213, 215}, {214, 217}};

const VisualStyle& styleOf(int command)
{
    const auto& styles = visualStyles();
    const int look = nearestLook(command);
    return *std::find_if(styles.begin(), styles.end(), [look](const VisualStyle& style) { return style.command == look; });
}

} // namespace

const std::vector<VisualStyle>& visualStyles()
{
    static const std::vector<VisualStyle> styles = {
        {215, QStringLiteral("&Blue"), QColor(0xC4, 0xD8, 0xF0), QColor(0xFF, 0xFF, 0xFF), QColor(0x15, 0x2A, 0x4A),
         QColor(0x2A, 0x5F, 0xA0)},
        {216, QStringLiteral("B&lack"), QColor(0x3A, 0x3A, 0x3A), QColor(0xF4, 0xF4, 0xF4), QColor(0x10, 0x10, 0x10),
         QColor(0x8A, 0x55, 0x10)},
        {217, QStringLiteral("&Silver"), QColor(0xDC, 0xDF, 0xE4), QColor(0xFF, 0xFF, 0xFF), QColor(0x20, 0x20, 0x20),
         QColor(0x4A, 0x62, 0x83)},
        {218, QStringLiteral("&Aqua"), QColor(0xC8, 0xE8, 0xE6), QColor(0xFF, 0xFF, 0xFF), QColor(0x10, 0x36, 0x3A),
         QColor(0x1D, 0x6F, 0x72)},
    };
    return styles;
}

int nearestLook(int stored)
{
    for (const VisualStyle& style : visualStyles())
        if (style.command == stored)
            return stored;
    for (const auto& [older, look] : olderStyles)
        if (older == stored)
            return look;
    return silver;
}

QPalette paletteOf(int command)
{
    const VisualStyle& style = styleOf(command);
    const bool darkFrame = style.window.lightness() < 128;
    const QColor frameText = darkFrame ? QColor(Qt::white) : style.textColour;
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, style.window);
        palette.setColor(group, QPalette::WindowText, frameText);
        palette.setColor(group, QPalette::Button, style.window);
        palette.setColor(group, QPalette::ButtonText, frameText);
        palette.setColor(group, QPalette::Base, style.base);
        palette.setColor(group, QPalette::AlternateBase, style.base.darker(104));
        palette.setColor(group, QPalette::Text, style.textColour);
        palette.setColor(group, QPalette::ToolTipBase, style.base);
        palette.setColor(group, QPalette::ToolTipText, style.textColour);
        palette.setColor(group, QPalette::PlaceholderText, readableOn(QColor(0x70, 0x70, 0x70), style.base));
        palette.setColor(group, QPalette::Highlight, style.highlight);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Link, readableOn(style.highlight, style.base));
        palette.setColor(group, QPalette::BrightText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, style.window);
    palette.setColor(QPalette::Disabled, QPalette::Button, style.window);
    palette.setColor(QPalette::Disabled, QPalette::Base, style.base);
    return palette;
}

void applyVisualStyle(int command)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    const QPalette palette = paletteOf(command);
    QApplication::setPalette(palette);
    // The platform gives some classes palettes of their own (the menu bar, menus, headers,
    // lists): they take the style's palette too, or they would keep the desktop's colours.
    for (const char* className : {"QMenuBar", "QMenu", "QHeaderView", "QAbstractItemView", "QTextEdit", "QToolButton",
                                  "QTabBar", "QComboBox", "QLineEdit", "QLabel", "QMessageBox", "QDockWidget", "QToolBar"})
        QApplication::setPalette(palette, className);
}

} // namespace ZrlApp
