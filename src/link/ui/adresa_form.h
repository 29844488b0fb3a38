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

    QLineEdit* DAEdt() const { return m_addressEdt; }
    QButtonGroup* RychlostPrevRG() const { return m_baudRG; }  // baud rate
    QButtonGroup* ParitaPrevRG() const { return m_parityRG; }  // parity
    QPushButton* DefaultParmsBtn() const { return m_defaultBtn; }
    QPushButton* ZpetBtn() const { return m_okBtn; }  // "back": OK

signals:
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AdrEdtExit();
    void DefaultParmsBtnClick();
    void ZpetBtnClick();
    void show(const TransmitterCommDialogView& view);

    QLineEdit* m_addressEdt;
    QButtonGroup* m_baudRG;
    QButtonGroup* m_parityRG;
    QPushButton* m_defaultBtn;
    QPushButton* m_okBtn;
    TransmitterCommParams m_result;
};

}  // namespace lmk17
