#include "link/ui/prubeh_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "common/ui/palette_colors.h"
#include "common/ui/title_width.h"

namespace lmk17 {

namespace {
constexpr Qt::WindowFlags kFlags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr int kProgressHelpContext = 1;
constexpr int kGaugeWidth = 320;
constexpr char kProgressWarning[] =
    QT_TRANSLATE_NOOP("Link", "Do not Disconnect Communication Cable!");
}  // namespace

TPrubehForm::TPrubehForm(QWidget* mainWindow)
    : QWidget(mainWindow, kFlags),
      main_(mainWindow),
      gauge_(new QProgressBar(this)),
      warning_(new QLabel(QCoreApplication::translate("Link", kProgressWarning), this)) {
    setObjectName(QStringLiteral("PrubehForm"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    gauge_->setObjectName(QStringLiteral("PrubehG"));
    gauge_->setTextVisible(false);
    gauge_->setMinimumWidth(kGaugeWidth);
    warning_->setObjectName(QStringLiteral("HlaskaLbl"));
    warning_->setAlignment(Qt::AlignCenter);
    SetReadableTextColor(warning_, Qt::red, QStringLiteral("font-weight: bold;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gauge_);
    layout->addWidget(warning_);
    resize(sizeHint());
}

// A modal dialog (the linearization editor) may be the window the user
// looks at; the progress window belongs above it, yet stays the main
// window's child: a dialog that closes must not take it along. As a
// transient of the dialog's window it is above the dialog and, being in the
// dialog's family, not blocked by its modality (Esc reaches it). The window
// system keeps the transient parent as a guarded pointer.
void TPrubehForm::placeAboveActiveWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == this) owner = main_;
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
    warning_->setVisible(warning);
    fitCaption(caption);
    gauge_->setRange(0, maximum);
    gauge_->setValue(0);
    placeAboveActiveWindow();
    show();
    placeAboveActiveWindow();  // a first show may have set the parent's window as transient
    raise();
}

// The window is as wide as its caption, which the title bar would cut
// otherwise.
void TPrubehForm::fitCaption(const QString& caption) {
    const int title = TitleWidth(*this, caption);
    gauge_->setMinimumWidth(std::max(kGaugeWidth, title - layout()->contentsMargins().left() -
                                                      layout()->contentsMargins().right()));
    resize(sizeHint());
}

void TPrubehForm::stepProgress(int position) {
    gauge_->setValue(std::min(position, gauge_->maximum()));
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
