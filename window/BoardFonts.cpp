#include "window/BoardFonts.h"

#include "platform/Controls.h"
#include "window/Layout.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

// The largest pixel size from vMin to vMax at which vOverflow(metrics) is at
// most 1. Each size tried costs a font lookup, so one measurement at vMax
// gives an estimate (text grows in step with the size) and the neighbours
// confirm it, rather than trying every size on the way down.
template <typename Overflow>
QFont LargestFitting(QFont vFont, int vMin, int vMax, Overflow vOverflow)
{
    const auto overflowAt = [&](int vPixels) {
        vFont.setPixelSize(vPixels);
        return vOverflow(QFontMetrics(vFont));
    };
    const double atMax = overflowAt(vMax);
    int pixels = atMax <= 1.0 ? vMax : std::clamp(int(vMax / atMax), vMin, vMax);
    if (pixels < vMax) {
        while (pixels > vMin && overflowAt(pixels) > 1.0)
            --pixels;
        while (pixels < vMax && overflowAt(pixels + 1) <= 1.0)
            ++pixels;
    }
    vFont.setPixelSize(pixels);
    return vFont;
}

} // namespace

QFont BoardFonts::captionFont(const QFont &vBase)
{
    // The longest fixed caption sets the size; the others are shorter than their controls.
    return LargestFitting(vBase, 8, QFontInfo(vBase).pixelSize(), [&](const QFontMetrics &vMetrics) {
        return vMetrics.horizontalAdvance(Controls::ChancesCaption) / double(Layout::Px(Layout::ChancesWidth));
    });
}

QFont BoardFonts::cellFont(const QFont &vBase)
{
    const QSize cell(Layout::Px(Layout::CellWidth), Layout::Px(Layout::CellHeight));
    QFont bold = vBase;
    bold.setBold(true);
    return LargestFitting(bold, 7, cell.height() - 2, [&](const QFontMetrics &vMetrics) {
        int widest = 0;
        for (int letter = 0; letter < Controls::LetterCount; ++letter)
            widest = std::max(widest, vMetrics.boundingRect(Controls::LetterCaption(letter).at(0)).width());
        return std::max(widest / double(cell.width()), vMetrics.height() / double(cell.height()));
    });
}
