#pragma once

#include <QColor>
#include <QPalette>

#include <cmath>

// A dark desktop theme's palette, as a dark Fusion theme sets it: light text
// on dark grey.
inline QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor base(42, 42, 42);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, Qt::white);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::Light, QColor(80, 80, 80));
        dark.setColor(group, QPalette::Midlight, QColor(66, 66, 66));
        dark.setColor(group, QPalette::Mid, QColor(40, 40, 40));
        dark.setColor(group, QPalette::Dark, QColor(30, 30, 30));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::HighlightedText, Qt::black);
        dark.setColor(group, QPalette::ToolTipBase, window);
        dark.setColor(group, QPalette::ToolTipText, Qt::white);
    }
    dark.setColor(QPalette::Disabled, QPalette::Window, window);
    dark.setColor(QPalette::Disabled, QPalette::Button, window);
    dark.setColor(QPalette::Disabled, QPalette::Base, base);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return dark;
}

// Relative luminance of an sRGB colour, and the contrast ratio of two
// colours (1 to 21), as the web's accessibility guidelines define them.
inline double RelativeLuminance(const QColor &vColour)
{
    const auto channel = [](double vValue) {
        return vValue <= 0.04045 ? vValue / 12.92 : std::pow((vValue + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(vColour.redF()) + 0.7152 * channel(vColour.greenF()) + 0.0722 * channel(vColour.blueF());
}

inline double ContrastRatio(const QColor &vOne, const QColor &vOther)
{
    const double a = RelativeLuminance(vOne);
    const double b = RelativeLuminance(vOther);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
