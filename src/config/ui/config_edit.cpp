#include "config/ui/config_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace lmk17 {

namespace {

// Focus taken by a modal message box, a menu or another window is not the
// user leaving the edit.
bool leavesTheWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

TConfigEdit::TConfigEdit(EditField field, ConfigModel& model, QWidget* parent)
    : QLineEdit(parent), field_(field), model_(model) {
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& text) { EditTextChanged(model_, field_, text); });
}

void TConfigEdit::showText(const QString& text) {
    if (text == this->text()) return;
    setText(hasFocus() ? text.trimmed() : text);
    if (hasFocus()) entry_ = text.trimmed();
}

void TConfigEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (leavesTheWindow(event->reason())) return;
    entry_ = text().trimmed();
    if (entry_ != text()) setText(entry_);
    selectAll();
}

void TConfigEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!leavesTheWindow(event->reason())) leave();
}

void TConfigEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        leave();
        if (hasFocus()) {
            // Still here: the next Enter compares with what is shown now.
            entry_ = text().trimmed();
            if (entry_ != text()) setText(entry_);
        }
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TConfigEdit::leave() {
    if (checking_) return;
    checking_ = true;
    LeaveEdit(model_, field_, text(), entry_);
    checking_ = false;
}

}  // namespace lmk17
