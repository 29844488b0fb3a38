#pragma once

#include <QPalette>
#include <QString>

namespace lmk17 {

// The colours the windows are drawn in, as the View menu offers them: a
// light or a dark palette of our own (on the Fusion style, which follows a
// palette fully), or whatever the desktop gives.
enum class ColorScheme { Light, Dark, System };

// The value the settings file keeps ([Window] ColorScheme): "Light", "Dark"
// or "System". Anything else, a missing key included, is System, so a
// damaged value leaves the desktop's colours.
ColorScheme ColorSchemeOfSetting(const QString& stored);
QString ColorSchemeSetting(ColorScheme scheme);

// What the program applies for a scheme: the style by name (empty: the one
// the program started with) and the palette (none: the style's own).
struct SchemeLook {
    QString styleName;
    bool ownPalette = false;
    QPalette palette;
};
SchemeLook LookOf(ColorScheme scheme);

// Our palettes. Every role a drawing uses (window, base, text, highlight,
// the bevel shades) contrasts with its background in both.
QPalette LightPalette();
QPalette DarkPalette();

}  // namespace lmk17
