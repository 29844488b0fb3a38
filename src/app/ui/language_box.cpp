#include "app/ui/language_box.h"

#include <QMessageBox>

namespace lmk17 {

LanguageBox::LanguageBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("LanguageCmBox"));
    connect(this, &QComboBox::activated, this, &LanguageBox::LanguageCmBoxChange);
}

void LanguageBox::setLanguages(const QStringList& items, const LanguageSwitch& running,
                               const QString& storedLangId) {
    const QSignalBlocker quiet(this);
    clear();
    addItems(items);
    running_ = running;
    stored_ = storedLangId.trimmed();
    setCurrentIndex(running.listIndex);
    setEnabled(count() > 0);
}

void LanguageBox::LanguageCmBoxChange(int index) {
    if (index < 0) return;
    const LanguagePick pick = PickLanguage(itemText(index), stored_, running_.running);
    if (pick.writeLangId) {
        stored_ = pick.langId;
        emit langIdChosen(pick.langId);
    }
    if (pick.warnRestart)
        QMessageBox::warning(window(), QStringLiteral("LMK-17"), RestartWarningText());
}

}  // namespace lmk17
