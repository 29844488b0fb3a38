#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace lmk17 {

// Whether a palette is a dark one (light text on a dark window).
bool IsDarkPalette(const QPalette& palette);

// The contrast ratio of two colours as the web's accessibility guidelines
// define it (1 to 21; 4.5 is plain text's minimum).
double ContrastRatio(const QColor& a, const QColor& b);

// `color` itself when it contrasts with `background` by at least `ratio`,
// else the same hue made lighter (on a dark background) or darker until it
// does: the drawings keep their colour coding on either palette.
QColor ReadableOn(const QColor& color, const QColor& background, double ratio = 3.0);

// Shows a widget's text in `color` (with the rest of `moreStyle`, a style
// sheet's declarations), made lighter or darker where the palette's
// background needs it to read (a red warning on a dark window), and again
// whenever the program's palette changes.
void SetReadableTextColor(QWidget* widget, const QColor& color, const QString& moreStyle = {});

// `a` mixed with `b`: t = 0 is a, 1 is b.
QColor Blend(const QColor& a, const QColor& b, double t);

}  // namespace lmk17
