#include "config/ui/page_support.h"

#include <QTabWidget>

namespace lmk17 {

void BringPageForward(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        // The page may be the tab itself or sit inside the tab's container.
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                QWidget* tab = tabs->widget(i);
                if (tab == page || tab->isAncestorOf(page)) {
                    tabs->setCurrentIndex(i);
                    return;
                }
            }
        }
    }
}

QLabel* FieldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace lmk17
