#include "app/ui/spl_form.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>
#include <QtGlobal>

#include "app/app_texts.h"
#include "app/maker_info.h"
#include "app/ui/link_label.h"

namespace lmk17 {

namespace {
QString appText(const char* text) {
    return QCoreApplication::translate("App", text);
}
}  // namespace

TSplForm::TSplForm(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settingsFile_(new QLabel(this)),
      links_(new MakerLinks(this)) {
    setObjectName(QStringLiteral("SplForm"));
    setWindowTitle(appText(texts::kAboutCaption));
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("LogoImg"));
    logo->setPixmap(QIcon(QStringLiteral(":/lmk17/lmk17.svg")).pixmap(96, 96));
    logo->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(appText(texts::kAboutProgram), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("%1 %2").arg(appText(texts::kAboutVersionWord),
                                                           QLatin1String(texts::kProgramVersion)),
                               this);
    version->setObjectName(QStringLiteral("VersionLbl"));
    auto* description = new QLabel(appText(texts::kMainDescription), this);
    auto* address = new QLabel(MakerPostalAddress(), this);
    address->setVisible(!MakerPostalAddress().isEmpty());
    settingsFile_->setObjectName(QStringLiteral("SettingsFileLbl"));
    settingsFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    settingsFile_->setForegroundRole(QPalette::PlaceholderText);  // readable on any palette
    auto* licence = new QLabel(appText(texts::kAboutLicence) + QLatin1Char(' ') +
                                   appText(texts::kAboutQtNotice).arg(QLatin1String(qVersion())),
                               this);
    licence->setObjectName(QStringLiteral("LicenceLbl"));
    licence->setWordWrap(true);
    licence->setMaximumWidth(440);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(logo);
    for (QLabel* l : {name, version, description, address, licence, settingsFile_}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addWidget(links_);
}

void TSplForm::setSettingsFile(const QString& path) {
    settingsFile_->setText(appText(texts::kAboutSettingsFile).arg(path));
    adjustSize();
}

void TSplForm::showAbout() {
    if (isVisible()) return;
    adjustSize();
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void TSplForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TSplForm::mouseReleaseEvent(QMouseEvent* event) {
    hide();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace lmk17
