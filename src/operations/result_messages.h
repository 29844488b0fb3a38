#pragma once

#include <QString>

namespace lmk17 {

// The message that goes with a result code (link/result_codes.h), in the
// running language; empty for the refusals 300, 400 and 500, which send
// nothing.
QString ResultMessage(int code);

}  // namespace lmk17
