#include "look/CaptionFitting.h"

#include "look/ScreenLook.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

namespace look {

namespace {

// Below this a caption would be unreadable; it is the floor, whatever still overflows.
constexpr double SmallestPoints = 6.0;
constexpr double PointStep = 0.25;
// Remembers the size the screen asked for, so a second fit starts from it.
constexpr const char* DesignedPointsProperty = "designedPoints";
// Marks a control fitted with its set, which a fit of the whole window leaves alone.
constexpr const char* FittedWithSetProperty = "fittedWithSet";

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

Share ShareOfBox(const QFont& font, const QString& text, const QRect& box, int flags) {
    const QFontMetricsF metrics(font);
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6), flags, text);
    const Underline underline{metrics.descent(), metrics.underlinePos(), metrics.lineWidth()};
    return ShareOf(bounds.width(), NeededHeight(bounds.height(), font.underline(), underline), box);
}

// Text grows in proportion to its size, give or take the rounding of its metrics, so the
// measure at one size tells near enough the size at which it would just fill its box.
double SizeThatFills(double points, const Share& share) {
    return points / std::max(share.across, share.down);
}

// The part of the control its parents leave on screen: a label placed partly past its
// frame's edge (the forum banner's) loses whatever lies there.
QRect VisiblePart(const QWidget* control) {
    QRect visible = control->rect();
    for (const QWidget* ancestor = control; !ancestor->isWindow();) {
        ancestor = ancestor->parentWidget();
        if (!ancestor)
            break;
        visible &= QRect(control->mapFrom(ancestor, QPoint(0, 0)), ancestor->size());
    }
    return visible;
}

// The box a control draws its caption in, and how it lays the caption out; nothing for a
// control without a caption.
struct CaptionBox {
    QString text;
    QRect box;
    int flags;
};

std::optional<CaptionBox> CaptionOf(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return std::nullopt;
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        QRect box = label->contentsRect() & VisiblePart(label);
        if (label->indent() > 0 && (label->alignment() & Qt::AlignLeft))
            box.setLeft(box.left() + label->indent());
        return CaptionBox{label->text(), box, int(label->alignment()) | wrap};
    }
    // Push buttons and check boxes; a tool button (the menu bar's overflow) has no caption.
    const bool checkBox = qobject_cast<QCheckBox*>(control) != nullptr;
    if (checkBox || qobject_cast<QPushButton*>(control)) {
        auto* button = static_cast<QAbstractButton*>(control);
        if (button->text().isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = checkBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
        const QRect box = button->style()->subElementRect(element, &option, button);
        return CaptionBox{button->text(), box, Qt::TextShowMnemonic | Qt::TextSingleLine};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        if (frame->title().isEmpty())
            return std::nullopt;
        return CaptionBox{frame->title(), frame->rect(), Qt::TextShowMnemonic | Qt::TextSingleLine};
    }
    return std::nullopt;
}

// A letter that reaches left of its origin (the tail of a "J") would lose that ink at the
// edge of a left-aligned label: the text starts that much further in.
void MakeRoomForOverhang(QLabel* label) {
    if (!(label->alignment() & Qt::AlignLeft))
        return;
    const QFontMetricsF metrics(label->font());
    double overhang = 0;
    for (const QChar c : label->text())
        overhang = std::max(overhang, -metrics.leftBearing(c));
    label->setIndent(overhang > 0 ? int(std::ceil(overhang)) : -1);
}

bool FitsAt(QFont font, double points, const CaptionBox& caption) {
    font.setPointSizeF(points);
    return ShareOfBox(font, caption.text, caption.box, caption.flags).Fits();
}

// Measures a caption at other sizes the way ShareOfBox does, without a font for each size:
// a font of a new size is a font engine of its own, with a fontconfig match, while a raw
// font takes the size from the engine already loaded.
class SizeProbe {
public:
    SizeProbe(const QFont& font, const CaptionBox& caption)
        : font_(QRawFont::fromFont(font)), pixelsPerPoint_(font_.pixelSize() / font.pointSizeF()),
          underlined_(font.underline()), caption_(caption),
          text_(caption.flags & Qt::TextShowMnemonic ? CaptionText(caption.text) : caption.text) {
        text_.replace(QLatin1Char('\n'), QChar::LineSeparator);
    }

    // A raw font has no fallback: a letter it lacks would be drawn by another font, which
    // only the font itself measures.
    bool CoversText() const {
        if (!font_.isValid())
            return false;
        return std::all_of(text_.cbegin(), text_.cend(), [this](QChar c) {
            return c == QChar::LineSeparator || font_.supportsCharacter(c);
        });
    }

    // What the font itself measured at its own size: the raw font, taken from the same
    // engine, would lay it out alike.
    void Know(double points, const Share& share) { measured_[PixelsAt(points)] = share; }

    Share At(double points) {
        const int pixels = PixelsAt(points);
        const auto known = measured_.find(pixels);
        if (known != measured_.end())
            return known->second;
        return measured_[pixels] = Measure(pixels);
    }

private:
    // A font is drawn at the whole pixel size nearest to its point size, so near sizes
    // measure alike.
    int PixelsAt(double points) const { return int(std::floor(pixelsPerPoint_ * points + 0.5)); }

    Share Measure(int pixels) const {
        // At the font's own size its own engine measures, with its glyphs already loaded.
        QRawFont raw = font_;
        if (pixels != int(font_.pixelSize()))
            raw.setPixelSize(pixels);
        QTextLayout layout(text_);
        layout.setRawFont(raw);
        QTextOption option;
        option.setWrapMode(caption_.flags & Qt::TextWordWrap ? QTextOption::WordWrap
                                                             : QTextOption::ManualWrap);
        layout.setTextOption(option);
        // Lines stacked as QFontMetricsF::boundingRect stacks them: each after the first on a
        // whole pixel, the font's leading above it.
        double width = 0;
        double height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(caption_.box.width());
            if (line.lineNumber() > 0)
                height = std::ceil(height + raw.leading());
            height += line.ascent() + line.descent();
            width = std::max(width, line.naturalTextWidth());
        }
        layout.endLayout();
        const Underline underline{raw.descent(), raw.underlinePosition(), raw.lineThickness()};
        return ShareOf(width, NeededHeight(height, underlined_, underline), caption_.box);
    }

    const QRawFont font_;
    const double pixelsPerPoint_;
    const bool underlined_;
    const CaptionBox caption_;
    QString text_;
    std::map<int, Share> measured_;
};

// The largest size, in steps down from the designed one to the smallest, at which the
// caption fits; the smallest where none does. Each size of a font costs an engine of its
// own, so the sizes are tried with a raw font, and only the one chosen is set in a font;
// where the raw font lacks a letter of the caption, every size is a font.
double FittingPoints(QFont font, double designed, const CaptionBox& caption) {
    if (designed <= SmallestPoints)
        return designed;
    font.setPointSizeF(designed);
    const Share share = ShareOfBox(font, caption.text, caption.box, caption.flags);
    if (share.Fits())
        return designed;
    SizeProbe probe(font, caption);
    const bool probing = probe.CoversText();
    probe.Know(designed, share);
    const auto fits = [&](double points) {
        return probing ? probe.At(points).Fits() : FitsAt(font, points, caption);
    };
    const double stepsDown = std::round((designed - SizeThatFills(designed, share)) / PointStep);
    double points = std::max(designed - std::max(stepsDown, 1.0) * PointStep, SmallestPoints);
    if (fits(points)) {
        while (points + PointStep < designed && fits(points + PointStep))
            points += PointStep;
    } else {
        while (points > SmallestPoints && !fits(points - PointStep))
            points -= PointStep;
        points = std::max(points - PointStep, SmallestPoints);
    }
    // The raw font's answer, checked with the font itself; the font is needed anyway.
    while (probing && points > SmallestPoints && !FitsAt(font, points, caption))
        points -= PointStep;
    return points;
}

// Fits the control's caption at the largest size up to `ceiling` (and up to the size it was
// designed with) and returns the size it is set in.
double FitCaptionUpTo(QWidget* control, double ceiling) {
    if (auto* label = qobject_cast<QLabel*>(control))
        MakeRoomForOverhang(label);
    QFont font = control->font();
    const auto caption = CaptionOf(control);
    if (!caption)
        return font.pointSizeF();
    QVariant designed = control->property(DesignedPointsProperty);
    if (!designed.isValid()) {
        designed = font.pointSizeF();
        control->setProperty(DesignedPointsProperty, designed);
    }
    font.setPointSizeF(FittingPoints(font, std::min(designed.toDouble(), ceiling), *caption));
    control->setFont(font);
    return font.pointSizeF();
}

} // namespace

void FitCaption(QWidget* control) {
    FitCaptionUpTo(control, std::numeric_limits<double>::max());
}

// Each control is tried only from the size the ones before it fit at: whatever it could
// take above that, the set would not use.
void FitTogether(std::initializer_list<QWidget*> controls) {
    double shared = std::numeric_limits<double>::max();
    for (QWidget* control : controls)
        shared = std::min(shared, FitCaptionUpTo(control, shared));
    for (QWidget* control : controls) {
        QFont font = control->font();
        font.setPointSizeF(shared);
        control->setFont(font);
        control->setProperty(FittedWithSetProperty, true);
    }
}

void FitCaptions(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->property(FittedWithSetProperty).toBool())
            FitCaption(control);
    }
}

} // namespace look
