#pragma once

#include <QWidget>
#include <map>

#include "config/config_controls.h"
#include "config/ui/page_edits.h"

class QLabel;
class QPushButton;

namespace lmk17 {

class TConfigEdit;
class TOutRangePicture;

// The "Output" page: the output type, the output range (firmware 1.90 and
// later), the output limits and error outputs (1.81 and later) with their
// "Default Parameters", and the output range picture.
class TOutputPage : public QWidget {
    Q_OBJECT
public:
    explicit TOutputPage(ConfigControls& controls, QWidget* parent = nullptr);

    TConfigEdit* edit(EditField field) const;

    QLabel* OutRangeLbl = nullptr;                // output type name
    QPushButton* NPDefaultBtn = nullptr;          // "Default Parameters" of the limits
    TOutRangePicture* OutRangePicture = nullptr;  // output range picture

private:
    void showControls();
    void showTypeSetup();

    ConfigControls& controls_;
    PageEdits edits_;
    std::map<EditField, QLabel*> captions_;
    std::vector<QLabel*> unitLabels_;
};

}  // namespace lmk17
