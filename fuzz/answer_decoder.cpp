// Any byte string as an answer frame, for every data type and a spread of
// parameters: the decoder must never read outside the frame or crash.
#include <cstddef>
#include <cstdint>

#include "link/frame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const int types[] = {lmk17::TypeInt16, lmk17::TypeInt32, lmk17::TypeFloat,
                                lmk17::TypeText, lmk17::TypeBlock};
    static const int params[] = {0, 50, 120, 121, 160, 200};
    const std::uint8_t selector = data[0];
    lmk17::LinkRequest r;
    r.operation = (selector & 0x80) ? lmk17::OpWrite : lmk17::OpRead;
    r.dataType = types[selector % 5];
    r.parameter = params[(selector / 5) % 6];
    bool deviceError = false;
    const int length = int(size - 1 > 256 ? 256 : size - 1);
    lmk17::DecodeAnswer(data + 1, length, r, deviceError);
    lmk17::ExpectedFrameLength(data + 1, length);
    return 0;
}
