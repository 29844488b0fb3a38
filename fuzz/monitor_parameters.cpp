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
    // A field the user leaves: a refusal keeps the previous value and says
    // why; a value taken shows as a text the field takes back as it is.
    for (const MonField field : {MonField::Interval, MonField::PointLimit, MonField::Digits,
                                 MonField::Percent, MonField::Period}) {
        const MonFieldCheck first = CheckMonField(field, text, 100);
        if (!first.refusal.isEmpty()) {
            if (first.value != 100 || first.accepted.isEmpty()) __builtin_trap();
            continue;
        }
        const MonFieldCheck again = CheckMonField(field, ShowMonField(field, first.value), -1);
        if (!again.refusal.isEmpty()) __builtin_trap();
        // The interval shows tenths of a second: milliseconds below them go.
        if (field != MonField::Interval && again.value != first.value) __builtin_trap();
    }
    return 0;
}
