#include "common/ui/title_width.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace lmk17 {

int TitleWidth(const QWidget& window, const QString& title) {
    const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + 3 * bar;
}

void FitTitle(QWidget& window) {
    window.setMinimumWidth(TitleWidth(window, window.windowTitle()));
}

}  // namespace lmk17
