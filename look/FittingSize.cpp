#include "look/FittingSize.h"

#include "look/ScreenLook.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace look {

namespace {

// Where a font draws its underline.
struct Underline {
    double descent;
    double position;
    double thickness;
};

// The height the text's ink needs: its lines, and the underline of the last one when the
// font has one.
double NeededHeight(double linesHeight, bool underlined, const Underline& underline) {
    if (!underlined)
        return linesHeight;
    const double lastBaseline = linesHeight - underline.descent;
    return std::max(linesHeight, lastBaseline + underline.position + underline.thickness);
}

// The part of the box the text takes in each direction: up to 1 where it fits.
struct Share {
    double across;
    double down;
    bool Fits() const { return across <= 1 && down <= 1; }
};

Share ShareOf(double width, double height, const QRect& box) {
    return {width / std::max(box.width(), 1), height / std::max(box.height(), 1)};
}

// A caption laid out at one size: how much of its box it takes, and what its lines are
// made of.
struct Measure {
    Share share;
    int lines;
    double lineHeight; // ascent and descent
    double leading;
    double underlineBelow; // how far an underline reaches past the last line's descent
};

Measure MeasureIn(const QFont& font, const QString& text, const QRect& box, int flags) {
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6), flags, text);
    const Underline underline{metrics.descent(), metrics.underlinePos(), metrics.lineWidth()};
    const double needed = NeededHeight(bounds.height(), font.underline(), underline);
    const double lineHeight = metrics.ascent() + metrics.descent();
    const double leading = std::max(metrics.leading(), 0.0);
    // Lines after the first each start on a whole pixel, a fraction further down at most.
    const int lines = 1 + int(std::floor((bounds.height() - lineHeight) / (lineHeight + leading)));
    return {ShareOf(bounds.width(), needed, box), std::max(lines, 1), lineHeight, leading,
            needed - bounds.height()};
}

// The largest pixel size at which the caption measured at `pixels` should fit, on the
// reckoning that its width and line height shrink in proportion, that it needs no more
// lines than now, and that each line after the first may start up to a pixel lower.
double ReckonedPixels(const Measure& measured, int pixels, const QRect& box) {
    const double lines = measured.lines;
    const double height =
        lines * measured.lineHeight + (lines - 1) * measured.leading + measured.underlineBelow;
    const double byHeight = pixels * (box.height() - (lines - 1)) / height;
    const double byWidth = pixels / measured.share.across;
    return measured.share.across > 1 ? std::min(byHeight, byWidth) : byHeight;
}

} // namespace

bool FitsIn(const QFont& font, const CaptionBox& caption) {
    return MeasureIn(font, caption.text, caption.box, caption.flags).share.Fits();
}

namespace {

bool FitsAt(QFont font, double points, const CaptionBox& caption) {
    font.setPointSizeF(points);
    return FitsIn(font, caption);
}

// The whole pixel size a point size is drawn at, on a screen of `dpi` dots per inch: font
// engines come in whole pixel sizes, so near point sizes draw and measure alike.
int PixelsAt(double points, int dpi) {
    return qRound(std::floor(points * dpi / 72 * 100 + 0.5) / 100);
}

// The largest step below the designed size that is drawn at `pixels` or fewer; the smallest
// size where there is none.
double LargestStepAt(int pixels, double designed, int dpi) {
    double points = designed - PointStep;
    while (points > SmallestPoints && PixelsAt(points, dpi) > pixels)
        points -= PointStep;
    return std::max(points, SmallestPoints);
}

// Measures a caption at other pixel sizes the way MeasureIn does, with a raw font taken from
// the engine the font already has: a font of a new size would be an engine of its own, with
// a fontconfig match of its own.
class RawProbe {
public:
    RawProbe(const QFont& font, const CaptionBox& caption)
        : font_(QRawFont::fromFont(font)), underlined_(font.underline()), box_(caption.box),
          wrapped_(caption.flags & Qt::TextWordWrap),
          text_(caption.flags & Qt::TextShowMnemonic ? CaptionText(caption.text) : caption.text) {
        text_.replace(QLatin1Char('\n'), QChar::LineSeparator);
    }

    // A raw font has no fallback: a letter it lacks would be drawn by another font, which
    // only the font itself measures.
    bool Usable() const {
        return font_.isValid() && std::all_of(text_.cbegin(), text_.cend(), [this](QChar c) {
                   return c == QChar::LineSeparator || font_.supportsCharacter(c);
               });
    }

    bool FitsAt(int pixels) const {
        QRawFont raw = font_;
        raw.setPixelSize(pixels);
        QTextLayout layout(text_);
        layout.setRawFont(raw);
        QTextOption option;
        option.setWrapMode(wrapped_ ? QTextOption::WordWrap : QTextOption::ManualWrap);
        layout.setTextOption(option);
        // Lines stacked as QFontMetricsF::boundingRect stacks them: each after the first on a
        // whole pixel, the font's leading above it.
        double width = 0;
        double height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box_.width());
            if (line.lineNumber() > 0)
                height = std::ceil(height + raw.leading());
            height += line.ascent() + line.descent();
            width = std::max(width, line.naturalTextWidth());
        }
        layout.endLayout();
        const Underline underline{raw.descent(), raw.underlinePosition(), raw.lineThickness()};
        return ShareOf(width, NeededHeight(height, underlined_, underline), box_).Fits();
    }

private:
    const QRawFont font_;
    const bool underlined_;
    const QRect box_;
    const bool wrapped_;
    QString text_;
};

} // namespace

// The largest size, in steps down from the designed one to the smallest, at which the
// caption fits; the smallest where none does. Each size of a font is a font engine of its
// own, with a fontconfig match, so sizes are not tried one after another: the measure at
// the designed size tells the size the caption should fit at, and that size is measured
// with the font the caption is then drawn in.
double LargestFittingPoints(QFont font, double designed, const CaptionBox& caption, int dpi) {
    if (designed <= SmallestPoints)
        return designed;
    font.setPointSizeF(designed);
    const Measure measured = MeasureIn(font, caption.text, caption.box, caption.flags);
    if (measured.share.Fits())
        return designed;
    const int designedPixels = PixelsAt(designed, dpi);
    // Below the designed size, and no smaller than the smallest: a designed size just above
    // the smallest may be drawn at the same pixel size.
    const int reckoned = int(ReckonedPixels(measured, designedPixels, caption.box));
    int pixels = std::max(std::min(reckoned, designedPixels - 1), PixelsAt(SmallestPoints, dpi));
    // Wrapped text may need fewer lines at a smaller size than the reckoning allows for:
    // the sizes above it are tried with a raw font.
    if (measured.lines > 1 && pixels + 1 < designedPixels) {
        const RawProbe probe(font, caption);
        if (probe.Usable()) {
            while (pixels + 1 < designedPixels && probe.FitsAt(pixels + 1))
                ++pixels;
        }
    }
    // Where rounding makes the text come out larger than reckoned, the next size down.
    double points = LargestStepAt(pixels, designed, dpi);
    while (points > SmallestPoints && !FitsAt(font, points, caption))
        points = LargestStepAt(PixelsAt(points, dpi) - 1, designed, dpi);
    return points;
}

} // namespace look
