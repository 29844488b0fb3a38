#pragma once

#include <QByteArray>
#include <QPalette>

namespace lmk17 {

// A housing drawing (an SVG of the resources) made ready to show: its
// colours taken from the palette's roles (housing on the base colour,
// outlines and terminal numbers in the text colour, relays and the type name
// in accents that contrast with the base), its words ("input 1–4", "output
// and relays", …) in the running language. The display and the LED keep
// their own colours: they are parts of the device.
QByteArray ThemedHousingDrawing(const QByteArray& svg, const QPalette& palette);

}  // namespace lmk17
