#include "config/ui/page_edits.h"

#include <QTimer>

#include "config/edit_fields.h"
#include "config/ui/config_edit.h"
#include "config/ui/page_support.h"

namespace lmk17 {

PageEdits::PageEdits(QWidget& page, ConfigPage which, ConfigControls& controls)
    : page_(page), which_(which), controls_(controls) {
    QObject::connect(&controls_, &ConfigControls::refused, &page_,
                     [this](ConfigPage p, EditField field) { focusRefused(p, field); });
}

TConfigEdit* PageEdits::add(EditField field, QWidget* parent) {
    auto* e = new TConfigEdit(field, controls_.model(), parent);
    if (const EditFieldDescriptor* d = DescriptorOf(field))
        e->setObjectName(QString::fromLatin1(d->objectName));
    e->setMaximumWidth(110);
    edits_[field] = e;
    return e;
}

TConfigEdit* PageEdits::edit(EditField field) const {
    auto it = edits_.find(field);
    return it == edits_.end() ? nullptr : it->second;
}

void PageEdits::show(const ConfigView& view) {
    for (auto& [field, e] : edits_) e->showText(EditText(view, field));
}

void PageEdits::focusRefused(ConfigPage page, EditField field) {
    if (page != which_) return;
    // Once the focus change or page change that ran the check is over: the
    // page comes forward and the edit takes the focus back.
    QTimer::singleShot(0, &page_, [this, field] {
        BringPageForward(&page_);
        TConfigEdit* e = edit(field);
        if (e && e->isVisible() && e->isEnabled()) e->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace lmk17
