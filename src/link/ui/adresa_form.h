#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "link/link_parameters.h"

namespace lmk17 {

// The transmitter's own communication parameters ("Adresa": address): its
// address, baud rate and parity, edited here and written with the next
// configuration write.
class TAdresaForm : public QDialog {
    Q_OBJECT
public:
    explicit TAdresaForm(QWidget* parent = nullptr);

    // Opens the dialog on what the stored values show; the values of OK, or
    // nothing when cancelled.
    std::optional<TransmitterCommParams> edit(const TransmitterCommDialogView& view);

    QLineEdit* DAEdt() const { return addressEdt_; }          // transmitter (destination) address
    QButtonGroup* RychlostPrevRG() const { return baudRG_; }  // baud rate
    QButtonGroup* ParitaPrevRG() const { return parityRG_; }  // parity
    QPushButton* DefaultParmsBtn() const { return defaultBtn_; }  // default parameters
    QPushButton* ZpetBtn() const { return okBtn_; }               // "back": OK

signals:
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AdrEdtExit();
    void DefaultParmsBtnClick();
    void ZpetBtnClick();
    void show(const TransmitterCommDialogView& view);

    QLineEdit* addressEdt_;
    QButtonGroup* baudRG_;
    QButtonGroup* parityRG_;
    QPushButton* defaultBtn_;
    QPushButton* okBtn_;
    TransmitterCommParams result_;
};

}  // namespace lmk17
