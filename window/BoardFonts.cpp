#include "window/BoardFonts.h"

#include "platform/seam/Controls.h"
#include "window/Layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

// Every font size Qt loads costs a font engine (a font configuration match
// and a FreeType size), and most of a start-up's font work. So the fitting
// loads the sizes it uses and little else: each size is estimated from a font
// already loaded, and only a size the estimate cannot settle is measured.

namespace {

// The largest size from vMin to vMax at which vFits holds, looked for from
// vStart: upwards while the next size fits, else downwards until one fits.
// The sizes tried are the start and its neighbours; with a good start, one
// or two.
template <typename Fits>
int LargestFitting(int vMin, int vMax, int vStart, Fits vFits)
{
    if (vMax <= vMin)
        return vMax;
    int size = std::clamp(vStart, vMin, vMax);
    if (vFits(size)) {
        while (size < vMax && vFits(size + 1))
            ++size;
    } else {
        while (size > vMin && !vFits(--size)) { }
    }
    return size;
}

QFont AtPixelSize(QFont vFont, int vPixels)
{
    vFont.setPixelSize(vPixels);
    return vFont;
}

int InkWidth(const QRawFont &vRaw, quint32 vGlyph)
{
    return qRound(vRaw.boundingRect(vGlyph).width());
}

// The capitals A to Z, grouped by the font that draws them in vFont.
struct Drawn
{
    QRawFont raw;
    QList<quint32> glyphs;
};
QList<Drawn> DrawnBy(const QFont &vFont)
{
    QString capitals;
    for (int letter = 0; letter < Controls::LetterCount; ++letter)
        capitals += Controls::LetterCaption(letter);
    QTextLayout layout(capitals, vFont);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<Drawn> drawn;
    for (const QGlyphRun &run : layout.glyphRuns())
        drawn.append({run.rawFont(), run.glyphIndexes()});
    return drawn;
}

} // namespace

QFont BoardFonts::captionFont(const QFont &vBase)
{
    // The longest fixed caption sets the size; the others are shorter than their controls.
    const QString &longest = Controls::ChancesCaption;
    const double room = Layout::Px(Layout::ChancesWidth);
    const int base = QFontInfo(vBase).pixelSize();
    // Text widens in step with the size, give or take a pixel or two of
    // hinting, so the base font's width foretells every other size's; only a
    // size whose foretold width is too close to the room to call is measured.
    const double perPixel = QFontMetricsF(AtPixelSize(vBase, base)).horizontalAdvance(longest) / base;
    const double uncertain = 2.0 + 0.02 * room;
    const auto fits = [&](int vPixels) {
        const double foretold = perPixel * vPixels;
        if (std::abs(foretold - room) > uncertain)
            return foretold < room;
        return QFontMetrics(AtPixelSize(vBase, vPixels)).horizontalAdvance(longest) <= room;
    };
    return AtPixelSize(vBase, LargestFitting(8, base, int(room / perPixel), fits));
}

QFont BoardFonts::cellFont(const QFont &vBase)
{
    const int width = Layout::Px(Layout::CellWidth);
    const int height = Layout::Px(Layout::CellHeight);
    QFont bold = vBase;
    bold.setBold(true);

    // A bold capital is about a tenth wider than a regular one, and W is
    // about the widest: one measurement of the base font foretells the size.
    // That size is loaded as the font whose neighbours are measured, on
    // copies of it at other sizes, which need no font match and are dropped
    // afterwards.
    const QFontMetricsF regular(vBase);
    const double base = QFontInfo(vBase).pixelSize();
    const double widestPerPixel = regular.boundingRect(QLatin1Char('W')).width() * 1.1 / base;
    const int maxSize = height - 2;
    const int start = std::clamp(int(std::min(width / widestPerPixel, height * base / regular.height())), 7, maxSize);

    // The capitals are measured in the fonts that draw them: a font without
    // Latin capitals (Droid Sans Fallback, the sans font of a Japanese
    // desktop) has them drawn from a fallback font, whose capitals are
    // wider than its own missing-glyph box.
    QList<Drawn> drawn = DrawnBy(AtPixelSize(bold, start));
    int widest = 0;
    for (const Drawn &run : std::as_const(drawn))
        for (quint32 glyph : run.glyphs)
            widest = std::max(widest, InkWidth(run.raw, glyph));
    // Only the capitals close to the widest can decide, at this size or at
    // a neighbour: one size step widens a capital by well under the margin.
    for (Drawn &run : drawn)
        run.glyphs.removeIf([&](quint32 vGlyph) { return InkWidth(run.raw, vGlyph) < widest - 2; });
    const auto fits = [&](int vPixels) {
        return std::all_of(drawn.begin(), drawn.end(), [&](Drawn &vRun) {
            vRun.raw.setPixelSize(vPixels);
            return qRound(vRun.raw.ascent() + vRun.raw.descent()) <= height
                    && std::all_of(vRun.glyphs.begin(), vRun.glyphs.end(),
                                   [&](quint32 vGlyph) { return InkWidth(vRun.raw, vGlyph) <= width; });
        });
    };
    return AtPixelSize(bold, LargestFitting(7, maxSize, start, fits));
}
