#pragma once

#include <map>

#include "config/config_controls.h"

class QWidget;

namespace lmk17 {

class TConfigEdit;

// The numeric edits of one page, by field: made with the names of the edit
// table, shown from the controls' view, and given the focus back when a
// check on this page refuses a value.
class PageEdits {
public:
    PageEdits(QWidget& page, ConfigPage which, ConfigControls& controls);

    // A new edit of the page, placed in parent.
    TConfigEdit* add(EditField field, QWidget* parent);
    TConfigEdit* edit(EditField field) const;  // nullptr when not on this page
    const std::map<EditField, TConfigEdit*>& all() const { return edits_; }

    // Every edit shows the view's text for it.
    void show(const ConfigView& view);

private:
    void focusRefused(ConfigPage page, EditField field);

    QWidget& page_;
    ConfigPage which_;
    ConfigControls& controls_;
    std::map<EditField, TConfigEdit*> edits_;
};

}  // namespace lmk17
