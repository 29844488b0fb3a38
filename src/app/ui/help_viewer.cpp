#include "app/ui/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace lmk17 {

namespace {

constexpr int kTargetRole = Qt::UserRole;

QList<HelpLink> linksOf(const QString& path) {
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) return {};
    return ParseHelpLinks(QString::fromUtf8(page.readAll()));
}

// A page browser whose every page, whether opened by a link, the history or
// the lists, goes through the book: a page the language lacks opens in
// English.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const HelpBook& book, QWidget* parent) : QTextBrowser(parent), m_book(book) {}

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        QUrl url = name;
        if (url.isRelative() && source().isLocalFile()) url = source().resolved(url);
        QTextBrowser::doSetSource(QUrl(m_book.resolve(url.toString())), type);
    }

private:
    const HelpBook& m_book;
};

QString absoluteTarget(const QString& folder, const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QDir(folder).filePath(hash < 0 ? target : target.left(hash)));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    return url.toString();
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : HelpViewer(HelpBook::helpFileName(), HelpBook::searchFolders(), parent) {}

HelpViewer::HelpViewer(const QString& helpFileName, const QStringList& folders, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    m_found = m_book.open(helpFileName, folders);
    build();
    fillLists();
}

void HelpViewer::build() {
    setWindowTitle(tr("LMK-17 Help"));
    m_browser = new HelpBrowser(m_book, this);
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    m_browser->setOpenExternalLinks(true);
    // notr: the pages' style; program texts quoted in a page (class "ui") stand out
    m_browser->document()->setDefaultStyleSheet(
        QStringLiteral("th { background-color: #e8eef6; } pre { background-color: #f4f4f4; } "
                       ".ui { font-weight: bold; }"));

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openPage(item->data(0, kTargetRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openPage(item->data(0, kTargetRole).toString()); });

    auto* indexPage = new QWidget(this);
    m_keyword = new QLineEdit(indexPage);
    m_keyword->setObjectName(QStringLiteral("HelpKeyword"));
    m_keyword->setPlaceholderText(tr("Type the keyword to find"));
    m_keywords = new QListWidget(indexPage);
    m_keywords->setObjectName(QStringLiteral("HelpKeywords"));
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(m_keyword);
    indexLayout->addWidget(m_keywords);
    connect(m_keyword, &QLineEdit::textEdited, this, &HelpViewer::keywordEdited);
    connect(m_keyword, &QLineEdit::returnPressed, this, &HelpViewer::openSelectedKeyword);
    connect(m_keywords, &QListWidget::itemActivated, this, &HelpViewer::openSelectedKeyword);
    connect(m_keywords, &QListWidget::itemClicked, this, &HelpViewer::openSelectedKeyword);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(m_contents, tr("Contents"));
    m_tabs->addTab(indexPage, tr("Index"));

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* home = new QPushButton(tr("&Contents"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(900, 640);
}

void HelpViewer::fillLists() {
    if (!m_found) {
        m_browser->setPlainText(
            tr("The help was not found. Looked for the folder %1.").arg(m_book.error()));
        m_tabs->setEnabled(false);
        return;
    }
    QList<QTreeWidgetItem*> parents;
    const QString contents = QUrl(m_book.contentsPage()).toLocalFile();
    for (const HelpLink& link : linksOf(contents)) {
        while (parents.size() > link.depth) parents.removeLast();
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(m_contents)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, link.text);
        item->setToolTip(0, link.text);
        item->setData(0, kTargetRole, absoluteTarget(m_book.folder(), link.target));
        parents.append(item);
    }
    // The language's own keywords, or the English ones when it has none.
    const QString index = QUrl(m_book.indexPage()).toLocalFile();
    for (const HelpLink& link : linksOf(index)) {
        auto* item = new QListWidgetItem(link.text, m_keywords);
        item->setData(kTargetRole, absoluteTarget(QFileInfo(index).path(), link.target));
    }
}

void HelpViewer::showContents() {
    m_tabs->setCurrentIndex(0);
    if (m_found) openPage(m_book.contentsPage());
    present();
}

void HelpViewer::showIndex() {
    m_tabs->setCurrentIndex(1);
    m_keyword->clear();
    m_keywords->setCurrentRow(-1);
    if (m_found) openPage(m_book.indexPage());
    present();
    m_keyword->setFocus();
}

void HelpViewer::showContext(int context) {
    m_tabs->setCurrentIndex(0);
    if (m_found) openPage(m_book.contextPage(context));
    present();
}

void HelpViewer::openPage(const QString& url) {
    if (!url.isEmpty()) m_browser->setSource(QUrl(m_book.resolve(url)));
}

void HelpViewer::present() {
    joinModalDialog();
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

// A modal dialog blocks every window outside its own family: the viewer
// joins the family of the dialog in front while that dialog runs.
void HelpViewer::joinModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this || modal == m_modal) return;
    if (!m_modal) m_owner = parentWidget();
    if (m_modal) m_modal->removeEventFilter(this);
    m_modal = modal;
    modal->installEventFilter(this);
    const QRect place = geometry();
    setParent(modal, windowFlags());
    setGeometry(place);
}

// The dialog has ended (it hides before it is deleted): back to the owner,
// in the same place, still open.
void HelpViewer::returnToOwner() {
    QWidget* left = m_modal;
    if (left) left->removeEventFilter(this);
    m_modal = nullptr;
    const bool shown = isVisible();
    const QRect place = geometry();
    setParent(m_owner, windowFlags());
    setGeometry(place);
    if (shown) show();
    // An outer dialog still running takes the viewer in turn.
    if (QApplication::activeModalWidget() != left) joinModalDialog();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_modal && event->type() == QEvent::Hide) returnToOwner();
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::keywordEdited(const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < m_keywords->count(); ++i) {
        if (m_keywords->item(i)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            m_keywords->setCurrentRow(i);
            m_keywords->scrollToItem(m_keywords->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpViewer::openSelectedKeyword() {
    if (QListWidgetItem* item = m_keywords->currentItem())
        openPage(item->data(kTargetRole).toString());
}

void HelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace lmk17
