#pragma once

#include <QByteArray>

#include "sim_frame.h"

namespace lmk17::test {

// A request the simulated transmitter took as its own, decoded.
struct TakenRequest {
    int operation = 0;  // 1 read, 2 write
    int type = 0;
    int parameter = 0;
    int row = 0;
    QByteArray value;

    static TakenRequest Of(const sim::SimRequest& r) {
        return {r.operation, r.type, r.parameter(), r.row, r.value};
    }
    double floatValue() const { return sim::ReadWireFloat(value, 0); }
};

}  // namespace lmk17::test
