#pragma once

#include <QString>

class QWidget;

namespace lmk17 {

// The width a window needs for its title bar to show `title` whole: the
// text in bold with room for a larger title font, and the bar's icon and
// buttons.
int TitleWidth(const QWidget& window, const QString& title);

// Keeps `window` at least as wide as its title needs.
void FitTitle(QWidget& window);

}  // namespace lmk17
