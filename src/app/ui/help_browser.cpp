#include "app/ui/help_browser.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_texts.h"

namespace lmk17 {

HelpBrowser::HelpBrowser(HelpFiles files, QWidget* parent)
    : QWidget(parent, Qt::Window), m_files(std::move(files)), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpBrowser"));
    setWindowTitle(QCoreApplication::translate("App", "LMK-17 Help"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 600);
}

bool HelpBrowser::open(const QString& page) {
    if (m_files.folder.isEmpty()) {
        QMessageBox::warning(
            parentWidget(), QCoreApplication::translate("App", "LMK-17"),
            QCoreApplication::translate("App", texts::kHelpMissing).arg(m_files.searched));
        return false;
    }
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(hash < 0 ? page : page.left(hash));
    if (hash >= 0) url.setFragment(page.mid(hash + 1));
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
    return true;
}

void HelpBrowser::openContents() {
    open(m_files.contentsPage());
}

void HelpBrowser::openIndex() {
    open(m_files.indexPage());
}

void HelpBrowser::openContext(int context) {
    open(m_files.contextPage(context));
}

}  // namespace lmk17
