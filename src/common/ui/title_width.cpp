#include "common/ui/title_width.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace lmk17 {

int TitleWidth(const QWidget& window, const QString& title) {
    const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    QFont bold = window.font();
    bold.setBold(true);
    // Window managers draw titles in a font of their own, often larger than
    // the program's (a quarter is kept for it), and pad the icon, the three
    // buttons and the text (about four bar heights); with three bar heights
    // the progress window's caption was cut under a real window manager.
    return QFontMetrics(bold).horizontalAdvance(title) * 5 / 4 + 4 * bar;
}

void FitTitle(QWidget& window) {
    window.setMinimumWidth(TitleWidth(window, window.windowTitle()));
}

}  // namespace lmk17
