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
    m_running = running;
    m_stored = storedLangId.trimmed();
    setCurrentIndex(running.listIndex);
    setEnabled(count() > 0);
}

void LanguageBox::LanguageCmBoxChange(int index) {
    if (index < 0) return;
    const LanguagePick pick = PickLanguage(itemText(index), m_stored, m_running.running);
    if (pick.writeLangId) {
        m_stored = pick.langId;
        emit langIdChosen(pick.langId);
    }
    if (pick.warnRestart)
        QMessageBox::warning(window(), QStringLiteral("LMK-17"), RestartWarningText());
}

}  // namespace lmk17
