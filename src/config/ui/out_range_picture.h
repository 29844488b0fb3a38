#pragma once

#include <QWidget>

#include "config/catalogue.h"
#include "config/output_limits.h"

namespace lmk17 {

// The output range picture of the Output page: the output against the input
// from the lower to the upper range value, inside the output type's nominal
// range, with the output limits and error outputs marked. Drawn for every
// output type in its own unit (mA or V).
class TOutRangePicture : public QWidget {
    Q_OBJECT
public:
    explicit TOutRangePicture(QWidget* parent = nullptr);

    // SelectedOutRangeDraw: the output type (1..3, 0 = none), the range start
    // and end and the four limits, all in A or V.
    void SelectedOutRangeDraw(int outputTypeCode, double start, double end,
                              const PhysicalOutputLimits& limits);

    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int typeCode_ = 0;
    double start_ = 0.0, end_ = 0.0;
    PhysicalOutputLimits limits_;
};

}  // namespace lmk17
