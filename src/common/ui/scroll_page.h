#pragma once

#include <QScrollArea>

namespace lmk17 {

// A page that scrolls when its window is smaller than it: the window may be
// made as small as the screen needs, and asks for the page's whole size
// when there is room (a plain scroll area asks for a fixed few lines).
class ScrollPage : public QScrollArea {
public:
    // Takes `content` as its widget; the scroll area takes its place in
    // the layout or tab widget the caller puts it in.
    explicit ScrollPage(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // A page that comes to need more room (groups shown, longer texts) says
    // so to the window's layout, which otherwise keeps the old size hint.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lmk17
