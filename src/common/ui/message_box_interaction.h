#pragma once

#include <QPointer>
#include <QWidget>

#include "common/ui/progress_display.h"
#include "common/user_interaction.h"

namespace lmk17 {

// The desktop program's way of talking to the user: modal message boxes
// over the active window, and the progress window for long operations.
class MessageBoxInteraction : public UserInteraction {
public:
    MessageBoxInteraction() = default;

    // The window boxes belong to when no modal dialog is open.
    void setMainWindow(QWidget* window) { main_ = window; }
    void setProgressDisplay(ProgressDisplay* display) { progress_ = display; }

    void message(MessageKind kind, const QString& text) override;
    bool question(Question id, MessageKind kind, const QString& text) override;
    void progressShow(const QString& caption, int maximum, bool warning = false) override;
    void progressStep(int position) override;
    void progressClose() override;

    // The parent of a box or tool window now: the open modal dialog, else
    // the main window.
    QWidget* boxParent() const;

private:
    QPointer<QWidget> main_;
    ProgressDisplay* progress_ = nullptr;
};

// A text of the program's tables as a box shows it ("\r\n" line breaks).
QString BoxText(const QString& text);

}  // namespace lmk17
