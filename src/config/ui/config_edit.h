#pragma once

#include <QLineEdit>

#include "config/validation_model.h"

namespace lmk17 {

// A numeric edit of the Input or Output page. Getting the focus trims its
// text and remembers it as the entry text; leaving it, or Enter (consumed),
// forwards the text to the checks (EditTextChanged, LeaveEdit). A message box or a popup taking the
// focus is not leaving.
class TConfigEdit : public QLineEdit {
    Q_OBJECT
public:
    TConfigEdit(EditField field, ConfigModel& model, QWidget* parent = nullptr);

    EditField field() const { return field_; }
    QString entryText() const { return entry_; }
    // Shows a text from the controls' state (not an edit of the user's).
    void showText(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void leave();

    EditField field_;
    ConfigModel& model_;
    QString entry_;
    bool checking_ = false;
};

}  // namespace lmk17
