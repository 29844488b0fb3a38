// The identification text comes from the transmitter: any bytes must give a
// type text, a firmware number and an identity without a crash.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "config/identification_text.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1024) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)ParseIdentificationText(bytes);
    const QString text = QString::fromLatin1(bytes);
    bool fixed = false;
    (void)ExtractTypeText(text, &fixed);
    (void)ExtractFirmware(text);
    return 0;
}
