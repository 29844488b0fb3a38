#pragma once

#include <QWidget>

#include "config/config_controls.h"

class QLabel;
class QSvgRenderer;

namespace lmk17 {

// The "Information" page: manufacturer, type, manufacturing date, serial
// number, date of the last change and working time of the configuration's
// transmitter, with a drawing of its housing.
class TInfoPage : public QWidget {
    Q_OBJECT
public:
    explicit TInfoPage(ConfigControls& controls, QWidget* parent = nullptr);

    QLabel* Info11Lbl = nullptr;      // manufacturer
    QLabel* Info12Lbl = nullptr;      // transmitter type
    QLabel* Info13Lbl = nullptr;      // date of manufacturing
    QLabel* VyrCislo11Lbl = nullptr;  // serial number
    QLabel* HodDatZmenLbl = nullptr;  // date of last change
    QLabel* ProCas2Lbl = nullptr;     // working time
    QWidget* TypePicture = nullptr;   // the housing drawing
    QLabel* NoPictureLbl = nullptr;   // "Picture not Available"

    // The resource of the picture shown, empty when none.
    QString pictureName() const { return picture_; }

private:
    void ShowIdentification();

    ConfigControls& controls_;
    QString picture_;
    QSvgRenderer* renderer_ = nullptr;
};

}  // namespace lmk17
