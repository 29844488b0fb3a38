// The monitoring parameters come from a dialog, the settings file and the
// command line (--addresses): every checker takes any text without a crash,
// and an address list it accepts holds addresses 0..31 that read back alike.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "monitoring/monitor_parameters.h"

using namespace lmk17;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString why;
    if (const auto list = ParseMonAddressList(text, &why)) {
        for (int a : *list)
            if (a < 0 || a > 31) __builtin_trap();
        const auto again = ParseMonAddressList(MonAddressListText(*list));
        if (!again || *again != *list) __builtin_trap();
    } else if (why.isEmpty()) {
        __builtin_trap();  // refused without saying why
    }
    (void)ShowMonInterval(CheckMonInterval(text));
    (void)ShowMonInteger(CheckMonPointLimit(text));
    (void)CheckMonDigits(text);
    (void)CheckMonPercent(text);
    (void)CheckMonPeriod(text);
    return 0;
}
