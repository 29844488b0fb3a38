#include "app/ui/link_label.h"

#include "app/app_texts.h"
#include "app/maker_info.h"
#include "common/ui/palette_colors.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QUrl>

namespace lmk17 {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setHot(false);
}

void LinkLabel::setHot(bool hot) {
    SetReadableTextColor(this, hot ? QColor(Qt::red) : QColor(Qt::blue),
                         QStringLiteral("text-decoration: underline;"));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setHot(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setHot(false);
    QLabel::leaveEvent(event);
}

MakerLinks::MakerLinks(QWidget* parent)
    : QWidget(parent),
      mail_(new LinkLabel(MakerEmail(), this)),
      web_(new LinkLabel(MakerWebSite(), this)) {
    mail_->setObjectName(QStringLiteral("EmailLbl"));
    web_->setObjectName(QStringLiteral("WebLbl"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mail_);
    layout->addStretch(1);
    layout->addWidget(web_);
    mail_->setVisible(!MakerEmail().isEmpty());
    web_->setVisible(!MakerWebSite().isEmpty());
    setVisible(!MakerEmail().isEmpty() || !MakerWebSite().isEmpty());
    connect(mail_, &LinkLabel::clicked, this, [this] {
        OpenMakerLink(this,
                      QCoreApplication::translate("App", texts::kMailQuestion).arg(MakerEmail()),
                      QStringLiteral("mailto:") + MakerEmail());
    });
    connect(web_, &LinkLabel::clicked, this, [this] {
        OpenMakerLink(this,
                      QCoreApplication::translate("App", texts::kWebQuestion).arg(MakerWebSite()),
                      WebUrl(MakerWebSite()));
    });
}

QString WebUrl(const QString& site) {
    return site.contains(QStringLiteral("://")) ? site : QStringLiteral("https://") + site;
}

void OpenMakerLink(QWidget* parent, const QString& question, const QString& url) {
    if (QMessageBox::question(parent, QCoreApplication::translate("App", "LMK-17"), question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QDesktopServices::openUrl(QUrl(url));
}

}  // namespace lmk17
