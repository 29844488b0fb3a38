#pragma once

#include "link/link_request.h"
#include "link/transaction_engine.h"

namespace lmk17 {

// One exchange of a live operation: the request to the transmitter address
// of the link, three attempts, sent at once.
inline void SendLiveRequest(TransactionEngine& engine, int operation, int parameter, int dataType,
                            double value = 0.0) {
    LinkRequest& r = engine.request();
    r = LinkRequest{};
    r.operation = operation;
    r.parameter = parameter;
    r.dataType = dataType;
    r.value = value;
    r.da = engine.transmitterAddress();
    engine.setAttempts(engine.timing().attempts);
    engine.SestavPrikaz();
}

}  // namespace lmk17
