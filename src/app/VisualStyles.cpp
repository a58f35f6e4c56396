#include "app/VisualStyles.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace ZrlApp {

namespace {

struct StyleColours {
    QColor window;
    QColor base;
    QColor text;
    QColor highlight;
};

StyleColours coloursOf(int command)
{
    switch (command) {
    case 215: return {QColor(0xC4, 0xD8, 0xF0), QColor(0xFF, 0xFF, 0xFF), QColor(0x15, 0x2A, 0x4A), QColor(0x3D, 0x7B, 0xC8)};
    case 216: return {QColor(0x3A, 0x3A, 0x3A), QColor(0xF4, 0xF4, 0xF4), QColor(0x10, 0x10, 0x10), QColor(0xD0, 0x8A, 0x2A)};
    case 218: return {QColor(0xC8, 0xE8, 0xE6), QColor(0xFF, 0xFF, 0xFF), QColor(0x10, 0x36, 0x3A), QColor(0x2A, 0x9D, 0xA0)};
    default: return {QColor(0xDC, 0xDF, 0xE4), QColor(0xFF, 0xFF, 0xFF), QColor(0x20, 0x20, 0x20), QColor(0x6E, 0x88, 0xA8)};
    }
}

} // namespace

const std::vector<VisualStyle>& visualStyles()
{
    static const std::vector<VisualStyle> styles = {
        {215, QStringLiteral("&Blue")},
        {216, QStringLiteral("B&lack")},
        {217, QStringLiteral("&Silver")},
        {218, QStringLiteral("&Aqua")},
    };
    return styles;
}

void applyVisualStyle(int command)
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    const StyleColours colours = coloursOf(command);
    QPalette palette;
    palette.setColor(QPalette::Window, colours.window);
    palette.setColor(QPalette::Button, colours.window);
    palette.setColor(QPalette::Base, colours.base);
    palette.setColor(QPalette::Text, colours.text);
    palette.setColor(QPalette::Highlight, colours.highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    const bool dark = colours.window.lightness() < 128;
    palette.setColor(QPalette::WindowText, dark ? QColor(Qt::white) : colours.text);
    palette.setColor(QPalette::ButtonText, dark ? QColor(Qt::white) : colours.text);
    QApplication::setPalette(palette);
}

} // namespace ZrlApp
