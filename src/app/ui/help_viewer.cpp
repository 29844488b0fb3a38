#include "app/ui/help_viewer.h"
#include "app/ui/screen_fit.h"

#include <QApplication>
#include <QEvent>
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

#include "common/ui/palette_colors.h"

namespace lmk17 {

namespace {

constexpr int kTargetRole = Qt::UserRole;

// A page browser whose every page, whether opened by a link, the history or
// the lists, goes through the book: a page the language lacks opens in
// English.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const HelpBook& book, QWidget* parent) : QTextBrowser(parent), book_(book) {}

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        QUrl url = name;
        if (url.isRelative() && source().isLocalFile()) url = source().resolved(url);
        QTextBrowser::doSetSource(QUrl(book_.resolve(url.toString())), type);
    }

private:
    const HelpBook& book_;
};

}  // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : HelpViewer(HelpBook::helpFileName(), HelpBook::searchFolders(), parent) {}

HelpViewer::HelpViewer(const QString& helpFileName, const QStringList& folders, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    found_ = book_.open(helpFileName, folders);
    build();
    fillLists();
}

// The pages' style in the palette's colours (a light header shade under light
// text would not read on a dark palette); program texts quoted in a page
// (class "ui") stand out.
void HelpViewer::applyPageColours() {
    const QPalette& pal = browser_->palette();
    const QColor base = pal.color(QPalette::Base);
    const QString header = Blend(base, pal.color(QPalette::Highlight), 0.15).name();
    const QString code = Blend(base, pal.color(QPalette::Text), 0.06).name();
    // notr: style sheet
    browser_->document()->setDefaultStyleSheet(
        QStringLiteral("th { background-color: %1; } pre { background-color: %2; } "
                       ".ui { font-weight: bold; }")
            .arg(header, code));
}

void HelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && browser_) {
        applyPageColours();
        browser_->reload();
    }
}

void HelpViewer::build() {
    setWindowTitle(tr("LMK-17 Help"));
    browser_ = new HelpBrowser(book_, this);
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenExternalLinks(true);
    applyPageColours();

    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->setAccessibleName(tr("Contents"));
    contents_->setHeaderHidden(true);
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openPage(item->data(0, kTargetRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openPage(item->data(0, kTargetRole).toString()); });

    auto* indexPage = new QWidget(this);
    keyword_ = new QLineEdit(indexPage);
    keyword_->setObjectName(QStringLiteral("HelpKeyword"));
    keyword_->setPlaceholderText(tr("Type the keyword to find"));
    keywords_ = new QListWidget(indexPage);
    keywords_->setObjectName(QStringLiteral("HelpKeywords"));
    keyword_->setAccessibleName(keyword_->placeholderText());
    keywords_->setAccessibleName(tr("Index"));
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(keyword_);
    indexLayout->addWidget(keywords_);
    connect(keyword_, &QLineEdit::textEdited, this, &HelpViewer::keywordEdited);
    connect(keyword_, &QLineEdit::returnPressed, this, &HelpViewer::openSelectedKeyword);
    connect(keywords_, &QListWidget::itemActivated, this, &HelpViewer::openSelectedKeyword);
    connect(keywords_, &QListWidget::itemClicked, this, &HelpViewer::openSelectedKeyword);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(contents_, tr("Contents"));
    tabs_->addTab(indexPage, tr("Index"));

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* home = new QPushButton(tr("&Contents"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    ResizeOnScreen(*this, QSize(900, 640));
}

void HelpViewer::fillLists() {
    if (!found_) {
        browser_->setPlainText(
            tr("The help was not found. Looked for the folder %1.").arg(book_.error()));
        tabs_->setEnabled(false);
        return;
    }
    QList<QTreeWidgetItem*> parents;
    for (const HelpLink& link : book_.contentsLinks()) {
        while (parents.size() > link.depth) parents.removeLast();
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(contents_)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, link.text);
        item->setToolTip(0, link.text);
        item->setData(0, kTargetRole, link.target);
        parents.append(item);
    }
    for (const HelpLink& link : book_.keywordLinks()) {
        auto* item = new QListWidgetItem(link.text, keywords_);
        item->setData(kTargetRole, link.target);
    }
}

void HelpViewer::showContents() {
    tabs_->setCurrentIndex(0);
    if (found_) openPage(book_.contentsPage());
    present();
}

void HelpViewer::showIndex() {
    tabs_->setCurrentIndex(1);
    keyword_->clear();
    keywords_->setCurrentRow(-1);
    if (found_) openPage(book_.indexPage());
    present();
    keyword_->setFocus();
}

void HelpViewer::showContext(int context) {
    tabs_->setCurrentIndex(0);
    if (found_) openPage(book_.contextPage(context));
    present();
}

void HelpViewer::openPage(const QString& url) {
    if (!url.isEmpty()) browser_->setSource(QUrl(book_.resolve(url)));
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
    if (!modal || modal == this || modal == modal_) return;
    if (!modal_) owner_ = parentWidget();
    if (modal_) modal_->removeEventFilter(this);
    modal_ = modal;
    modal->installEventFilter(this);
    const QRect place = geometry();
    setParent(modal, windowFlags());
    setGeometry(place);
}

// The dialog has ended (it hides before it is deleted): back to the owner,
// in the same place, still open.
void HelpViewer::returnToOwner() {
    QWidget* left = modal_;
    if (left) left->removeEventFilter(this);
    modal_ = nullptr;
    const bool shown = isVisible();
    const QRect place = geometry();
    setParent(owner_, windowFlags());
    setGeometry(place);
    if (shown) show();
    // An outer dialog still running takes the viewer in turn.
    if (QApplication::activeModalWidget() != left) joinModalDialog();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == modal_ && event->type() == QEvent::Hide) returnToOwner();
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::keywordEdited(const QString& text) {
    const QString wanted = text.trimmed();
    for (int i = 0; i < keywords_->count(); ++i) {
        if (keywords_->item(i)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            keywords_->setCurrentRow(i);
            keywords_->scrollToItem(keywords_->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpViewer::openSelectedKeyword() {
    if (QListWidgetItem* item = keywords_->currentItem())
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
