#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

#include "reports/config_diff.h"

namespace lmk17 {

class PrintController;
class TransmitterStack;

// The window's configuration beside another (the transmitter's, read afresh,
// or a file's): field, this side, the other side; only the fields that
// differ unless all are asked for. Printable and exportable as PDF in the
// protocol's look.
class TCompareForm : public QDialog {
    Q_OBJECT
public:
    TCompareForm(ConfigurationComparison comparison, const QString& otherName,
                 PrintController& printer, QWidget* parent = nullptr);

    // "Compare with Transmitter": reads the transmitter's configuration
    // (progress, errors as any read) and shows the comparison; the window's
    // configuration stays as it is. Nothing shows when the read failed.
    static void compareWithTransmitter(TransmitterStack& stack, PrintController& printer,
                                       QWidget* window);
    // "Compare with File…": the file asked for, loaded beside the window's.
    static void compareWithFile(TransmitterStack& stack, PrintController& printer, QWidget* window,
                                const std::function<QString()>& askFileName);

    QTableWidget* FieldList() const { return list_; }
    QCheckBox* AllCBx() const { return allCBx_; }
    QLabel* SummaryLbl() const { return summaryLbl_; }
    QPushButton* PrintBtn() const { return printBtn_; }
    QPushButton* PdfBtn() const { return pdfBtn_; }

private:
    void fillList();
    void PrintBtnClick();
    void PdfBtnClick();

    ConfigurationComparison comparison_;
    QString leftName_;
    QString rightName_;
    PrintController& printer_;
    QTableWidget* list_;
    QCheckBox* allCBx_;
    QLabel* summaryLbl_;
    QPushButton* printBtn_;
    QPushButton* pdfBtn_;
    QPushButton* closeBtn_;
};

}  // namespace lmk17
