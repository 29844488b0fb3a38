#include "common/ui/scroll_page.h"

#include <QEvent>
#include <QStyle>

namespace lmk17 {

ScrollPage::ScrollPage(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(content->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

// The page whole, and room for the vertical scroll bar that a low screen
// brings (without it, that bar would take the width and bring the other).
QSize ScrollPage::sizeHint() const {
    const int frame = 2 * frameWidth();
    const QWidget* content = widget();
    if (!content) return QScrollArea::sizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return content->sizeHint().expandedTo(content->minimumSizeHint()) + QSize(frame + bar, frame);
}

bool ScrollPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

// Room for a corner of the page and both scroll bars.
QSize ScrollPage::minimumSizeHint() const {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(6 * bar, 4 * bar).boundedTo(sizeHint());
}

}  // namespace lmk17
