#include "link/ui/adresa_form.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include "common/ui/accessible_name.h"
#include "common/ui/title_width.h"

#include "common/ui/palette_colors.h"
#include "link/ui/link_texts.h"

namespace lmk17 {

namespace {

QString linkText(const char* text) {
    return QCoreApplication::translate("Link", text);
}

constexpr int kCommDialogHelpContext = 1200;

QGroupBox* radioGroup(const QString& title, const char* const* items, int count,
                      QButtonGroup* group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(linkText(items[i]), box);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return box;
}

}  // namespace

TAdresaForm::TAdresaForm(QWidget* parent)
    : QDialog(parent),
      addressEdt_(new QLineEdit(this)),
      baudRG_(new QButtonGroup(this)),
      parityRG_(new QButtonGroup(this)),
      defaultBtn_(new QPushButton(linkText(texts::kTransmitterDefaultButton), this)),
      okBtn_(new QPushButton(linkText(texts::kOkButton), this)) {
    setObjectName(QStringLiteral("AdresaForm"));
    setWindowTitle(linkText(texts::kTransmitterCommCaption));
    setModal(true);
    addressEdt_->setObjectName(QStringLiteral("DAEdt"));
    addressEdt_->setMaxLength(3);  // two digits and the leading blank of " %d"
    addressEdt_->setFixedWidth(addressEdt_->fontMetrics().horizontalAdvance("0000") + 12);
    defaultBtn_->setObjectName(QStringLiteral("DefaultParmsBtn"));
    okBtn_->setObjectName(QStringLiteral("ZpetBtn"));
    okBtn_->setDefault(true);

    auto* addressRow = new QHBoxLayout;
    auto* addressLbl = new QLabel(tr("Address:"), this);
    NameAfterLabel(addressEdt_, addressLbl);
    addressRow->addWidget(addressLbl);
    addressRow->addWidget(addressEdt_);
    addressRow->addStretch(1);
    auto* groups = new QHBoxLayout;
    QGroupBox* baud =
        radioGroup(tr("Baud Rate"), texts::kTransmitterBaudItems, kBaudRateCount, baudRG_, this);
    baud->setObjectName(QStringLiteral("RychlostPrevRG"));
    QGroupBox* parity =
        radioGroup(tr("Parity"), texts::kTransmitterParityItems, 3, parityRG_, this);
    parity->setObjectName(QStringLiteral("ParitaPrevRG"));
    groups->addWidget(baud);
    groups->addWidget(parity);
    auto* warning = new QLabel(linkText(texts::kTransmitterCommWarning1) + QLatin1Char('\n') +
                                   linkText(texts::kTransmitterCommWarning2),
                               this);
    SetReadableTextColor(warning, Qt::red);
    warning->setAlignment(Qt::AlignCenter);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultBtn_);
    buttons->addStretch(1);
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(addressRow);
    layout->addLayout(groups);
    layout->addWidget(warning);
    layout->addLayout(buttons);
    FitTitle(*this);

    connect(addressEdt_, &QLineEdit::editingFinished, this, &TAdresaForm::AdrEdtExit);
    connect(defaultBtn_, &QPushButton::clicked, this, &TAdresaForm::DefaultParmsBtnClick);
    connect(okBtn_, &QPushButton::clicked, this, &TAdresaForm::ZpetBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<TransmitterCommParams> TAdresaForm::edit(const TransmitterCommDialogView& view) {
    show(view);
    addressEdt_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return result_;
}

void TAdresaForm::show(const TransmitterCommDialogView& view) {
    addressEdt_->setText(view.addressText);
    if (auto* b = baudRG_->button(view.baudItem)) b->setChecked(true);
    if (auto* b = parityRG_->button(view.parityItem)) b->setChecked(true);
}

void TAdresaForm::AdrEdtExit() {
    addressEdt_->setText(NumberFieldText(ParseTransmitterAddressText(addressEdt_->text())));
}

void TAdresaForm::DefaultParmsBtnClick() {
    show({NumberFieldText(kDefaultTransmitterAddress), kDefaultBaudIndex, kDefaultParityIndex});
}

void TAdresaForm::ZpetBtnClick() {
    const TransmitterCommDialogResult r = AcceptTransmitterCommDialog(
        addressEdt_->text(), baudRG_->checkedId(), parityRG_->checkedId());
    result_ = r.params;
    if (!r.addressParsed) {
        AdrEdtExit();
        addressEdt_->setFocus();
    }
    accept();
}

void TAdresaForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(kCommDialogHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace lmk17
