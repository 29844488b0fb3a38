#include "link/ui/adresa_form.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

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
      m_addressEdt(new QLineEdit(this)),
      m_baudRG(new QButtonGroup(this)),
      m_parityRG(new QButtonGroup(this)),
      m_defaultBtn(new QPushButton(linkText(texts::kTransmitterDefaultButton), this)),
      m_okBtn(new QPushButton(linkText(texts::kOkButton), this)) {
    setObjectName(QStringLiteral("AdresaForm"));
    setWindowTitle(linkText(texts::kTransmitterCommCaption));
    setModal(true);
    m_addressEdt->setObjectName(QStringLiteral("DAEdt"));
    m_addressEdt->setMaxLength(3);  // two digits and the leading blank of " %d"
    m_addressEdt->setFixedWidth(m_addressEdt->fontMetrics().horizontalAdvance("0000") + 12);
    m_defaultBtn->setObjectName(QStringLiteral("DefaultParmsBtn"));
    m_okBtn->setObjectName(QStringLiteral("ZpetBtn"));
    m_okBtn->setDefault(true);

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(new QLabel(tr("Address:"), this));
    addressRow->addWidget(m_addressEdt);
    addressRow->addStretch(1);
    auto* groups = new QHBoxLayout;
    QGroupBox* baud =
        radioGroup(tr("Baud Rate"), texts::kTransmitterBaudItems, kBaudRateCount, m_baudRG, this);
    baud->setObjectName(QStringLiteral("RychlostPrevRG"));
    QGroupBox* parity =
        radioGroup(tr("Parity"), texts::kTransmitterParityItems, 3, m_parityRG, this);
    parity->setObjectName(QStringLiteral("ParitaPrevRG"));
    groups->addWidget(baud);
    groups->addWidget(parity);
    auto* warning = new QLabel(linkText(texts::kTransmitterCommWarning1) + QLatin1Char('\n') +
                                   linkText(texts::kTransmitterCommWarning2),
                               this);
    warning->setStyleSheet(QStringLiteral("color: red;"));
    warning->setAlignment(Qt::AlignCenter);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultBtn);
    buttons->addStretch(1);
    buttons->addWidget(m_okBtn);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(addressRow);
    layout->addLayout(groups);
    layout->addWidget(warning);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(m_addressEdt, &QLineEdit::editingFinished, this, &TAdresaForm::AdrEdtExit);
    connect(m_defaultBtn, &QPushButton::clicked, this, &TAdresaForm::DefaultParmsBtnClick);
    connect(m_okBtn, &QPushButton::clicked, this, &TAdresaForm::ZpetBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<TransmitterCommParams> TAdresaForm::edit(const TransmitterCommDialogView& view) {
    show(view);
    m_addressEdt->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_result;
}

void TAdresaForm::show(const TransmitterCommDialogView& view) {
    m_addressEdt->setText(view.addressText);
    if (auto* b = m_baudRG->button(view.baudItem)) b->setChecked(true);
    if (auto* b = m_parityRG->button(view.parityItem)) b->setChecked(true);
}

void TAdresaForm::AdrEdtExit() {
    m_addressEdt->setText(NumberFieldText(ParseTransmitterAddressText(m_addressEdt->text())));
}

void TAdresaForm::DefaultParmsBtnClick() {
    show({NumberFieldText(kDefaultTransmitterAddress), kDefaultBaudIndex, kDefaultParityIndex});
}

void TAdresaForm::ZpetBtnClick() {
    const TransmitterCommDialogResult r = AcceptTransmitterCommDialog(
        m_addressEdt->text(), m_baudRG->checkedId(), m_parityRG->checkedId());
    m_result = r.params;
    if (!r.addressParsed) {
        AdrEdtExit();
        m_addressEdt->setFocus();
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
