#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "app/help_files.h"

namespace lmk17 {

// The help viewer: the program's HTML help in a window of its own, opened
// at the contents, the keyword index or a numbered context; closed with
// the program.
class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    HelpBrowser(HelpFiles files, QWidget* parent = nullptr);

    void openContents();
    void openIndex();
    void openContext(int context);

private:
    bool open(const QString& page);

    HelpFiles m_files;
    QTextBrowser* m_browser;
};

}  // namespace lmk17
