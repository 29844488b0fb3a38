#include "reports/ui/podpis_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lmk17 {

TPodpisForm::TPodpisForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PodpisForm"));
    setWindowTitle(tr("  Sign and Note"));
    ConfigByEdt = new QLineEdit(this);
    ConfigByEdt->setObjectName(QStringLiteral("ConfigByEdt"));
    ConfigByEdt->setMaxLength(30);
    NoteEdt = new QLineEdit(this);
    NoteEdt->setObjectName(QStringLiteral("NoteEdt"));
    NoteEdt->setMaxLength(100);
    // A note of 100 characters should be seen whole while it is typed.
    NoteEdt->setMinimumWidth(NoteEdt->fontMetrics().averageCharWidth() * 60);

    auto* form = new QFormLayout;
    auto* byLbl = new QLabel(tr("&Configured by :"), this);
    byLbl->setBuddy(ConfigByEdt);
    auto* noteLbl = new QLabel(tr("&Note :"), this);
    noteLbl->setBuddy(NoteEdt);
    form->addRow(byLbl, ConfigByEdt);
    form->addRow(noteLbl, NoteEdt);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    ConfigByEdt->setFocus();
}

ProtocolSignature TPodpisForm::signature() const {
    return {ConfigByEdt->text(), NoteEdt->text()};
}

}  // namespace lmk17
