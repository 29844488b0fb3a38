#include "link/ui/prubeh_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "link/engine_texts.h"

namespace lmk17 {

namespace {
constexpr Qt::WindowFlags kFlags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr int kProgressHelpContext = 1;
}  // namespace

TPrubehForm::TPrubehForm(QWidget* mainWindow)
    : QWidget(mainWindow, kFlags),
      m_main(mainWindow),
      m_gauge(new QProgressBar(this)),
      m_warning(new QLabel(QCoreApplication::translate("Link", texts::kProgressWarning), this)) {
    setObjectName(QStringLiteral("PrubehForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_gauge->setObjectName(QStringLiteral("PrubehG"));
    m_gauge->setTextVisible(false);
    m_gauge->setMinimumWidth(320);
    m_warning->setObjectName(QStringLiteral("HlaskaLbl"));
    m_warning->setAlignment(Qt::AlignCenter);
    m_warning->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_gauge);
    layout->addWidget(m_warning);
    setFixedSize(sizeHint());
}

// A modal dialog (the linearization editor) may be the window the user
// looks at; the progress window belongs above it, yet stays the main
// window's child: a dialog that closes must not take it along. As a
// transient of the dialog's window it is above the dialog and, being in the
// dialog's family, not blocked by its modality (Esc reaches it). The window
// system keeps the transient parent as a guarded pointer.
void TPrubehForm::placeAboveActiveWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == this) owner = m_main;
    if (!owner) return;
    winId();  // the window handle exists from here on
    if (QWindow* handle = windowHandle()) {
        owner->winId();
        handle->setTransientParent(owner->window()->windowHandle());
    }
    const QRect r = owner->frameGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
}

void TPrubehForm::showProgress(const QString& caption, int maximum, bool warning) {
    setWindowTitle(caption);
    m_warning->setVisible(warning);
    setFixedSize(sizeHint());
    m_gauge->setRange(0, maximum);
    m_gauge->setValue(0);
    placeAboveActiveWindow();
    show();
    placeAboveActiveWindow();  // a first show may have set the parent's window as transient
    raise();
}

void TPrubehForm::stepProgress(int position) {
    m_gauge->setValue(std::min(position, m_gauge->maximum()));
}

void TPrubehForm::closeProgress() {
    hide();
}

void TPrubehForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit breakRequested();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(kProgressHelpContext);
        return;
    }
    QWidget::keyPressEvent(event);
}

// Alt+F4 or the close box while an operation shows its progress: the main
// window decides (it asks first). A hidden window closes quietly, so that
// the application can quit.
void TPrubehForm::closeEvent(QCloseEvent* event) {
    if (!isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    emit closeRequested();
}

}  // namespace lmk17
