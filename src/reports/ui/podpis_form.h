#pragma once

#include <QDialog>

#include "reports/config_protocol.h"

class QLineEdit;
class QPushButton;

namespace lmk17 {

// "  Sign and Note" (Podpis: signature): who configured the transmitter and a
// free note, both printed at the foot of the protocol. The dialog lives as
// long as the main window, so the texts typed last are offered again.
class TPodpisForm : public QDialog {
    Q_OBJECT
public:
    explicit TPodpisForm(QWidget* parent = nullptr);

    ProtocolSignature signature() const;

    QLineEdit* ConfigByEdt;  // "Configured by"
    QLineEdit* NoteEdt;      // note
    QPushButton* OKBtn;      // OK
    QPushButton* CancelBtn;  // Cancel
};

}  // namespace lmk17
