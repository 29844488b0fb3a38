#pragma once

#include <QComboBox>

#include "app/language_modules.h"

namespace lmk17 {

// The language list of the options dialog (LanguageCmBox): the languages
// whose module is installed, English always, the running one selected. A pick
// is stored at once when it differs from the stored LangID, and the restart
// warning is shown when it differs from the running language: the program
// keeps its language until it is started again.
class LanguageBox : public QComboBox {
    Q_OBJECT
public:
    explicit LanguageBox(QWidget* parent = nullptr);

    // items: CheckLanguageSupport; running: what SwitchLanguage did at start.
    void setLanguages(const QStringList& items, const LanguageSwitch& running,
                      const QString& storedLangId);

signals:
    // Store this as LangID now.
    void langIdChosen(const QString& langId);

private:
    void LanguageCmBoxChange(int index);

    LanguageSwitch running_;
    QString stored_;
};

}  // namespace lmk17
