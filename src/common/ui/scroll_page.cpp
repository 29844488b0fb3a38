#include "common/ui/scroll_page.h"

#include <QScrollBar>
#include <QStyle>

namespace lmk17 {

ScrollPage::ScrollPage(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setObjectName(content->objectName() + QStringLiteral("Scroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

QSize ScrollPage::sizeHint() const {
    const int frame = 2 * frameWidth();
    const QWidget* content = widget();
    if (!content) return QScrollArea::sizeHint();
    return content->sizeHint().expandedTo(content->minimumSizeHint()) + QSize(frame, frame);
}

// Room for a corner of the page and both scroll bars.
QSize ScrollPage::minimumSizeHint() const {
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(6 * bar, 4 * bar).boundedTo(sizeHint());
}

}  // namespace lmk17
