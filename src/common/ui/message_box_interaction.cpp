#include "common/ui/message_box_interaction.h"

#include <QApplication>
#include <QMessageBox>

namespace lmk17 {

namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString boxTitle() {
    return QCoreApplication::translate("App", "LMK-17");
}

}  // namespace

QString BoxText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QWidget* MessageBoxInteraction::boxParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return main_;
}

void MessageBoxInteraction::message(MessageKind kind, const QString& text) {
    QMessageBox box(iconOf(kind), boxTitle(), BoxText(text), QMessageBox::Ok, boxParent());
    box.exec();
}

bool MessageBoxInteraction::question(Question, MessageKind kind, const QString& text) {
    QMessageBox box(iconOf(kind), boxTitle(), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                    boxParent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxInteraction::progressShow(const QString& caption, int maximum, bool warning) {
    if (progress_) progress_->showProgress(caption, maximum, warning);
}

void MessageBoxInteraction::progressStep(int position) {
    if (progress_) progress_->stepProgress(position);
}

void MessageBoxInteraction::progressClose() {
    if (progress_) progress_->closeProgress();
}

}  // namespace lmk17
