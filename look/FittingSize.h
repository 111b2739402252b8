#pragma once
// The arithmetic of a caption that keeps its box: the largest size, in steps down from the
// one a control was designed with, at which its text fits. No widget takes part: the font,
// the text, the box and the way Qt lays the text out are all it needs.

#include <QFont>
#include <QRect>
#include <QString>

namespace look {

// Below this a caption would be unreadable; it is the floor, whatever still overflows.
constexpr double SmallestPoints = 6.0;
constexpr double PointStep = 0.25;

// A caption's text, the box it is drawn in, and the flags Qt lays it out with.
struct CaptionBox {
    QString text;
    QRect box;
    int flags;
};

// Whether the caption set in `font` keeps its ink to its box, the underline of its last
// line included: the font's own measure, the one every answer below must agree with.
bool FitsIn(const QFont& font, const CaptionBox& caption);

// The largest size from `designed` down, in steps of PointStep, at which the caption fits;
// SmallestPoints where none does, and `designed` where that is no larger. `font` is the
// caption's font as a device of `dpi` dots per inch draws it.
double LargestFittingPoints(QFont font, double designed, const CaptionBox& caption, int dpi);

} // namespace look
