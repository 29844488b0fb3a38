#pragma once

#include <QPointer>
#include <QWidget>

#include "app/help_book.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace lmk17 {

// The help viewer: the program's HTML help in a window of its own, with the
// contents and the keyword index beside the page. Opened at the contents
// (F1), the keyword index (Ctrl+F1) or a numbered help context (F1 on a
// window or page). It lives as long as its parent, the main window; opened
// from a modal dialog it stays usable beside that dialog.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Finds the help of the running language beside the program or in the
    // program's data folders.
    explicit HelpViewer(QWidget* parent = nullptr);
    HelpViewer(const QString& helpFileName, const QStringList& folders, QWidget* parent = nullptr);

    void showContents();
    // The keyword index with an empty keyword.
    void showIndex();
    void showContext(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void applyPageColours();
    void fillLists();
    void openPage(const QString& url);
    void present();
    void joinModalDialog();
    void returnToOwner();
    void keywordEdited(const QString& text);
    void openSelectedKeyword();

    HelpBook book_;
    bool found_ = false;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* keyword_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    // While a modal dialog runs, the viewer is that dialog's window (else
    // the dialog would block it); its owner takes it back afterwards.
    QPointer<QWidget> owner_;
    QPointer<QWidget> modal_;
};

}  // namespace lmk17
