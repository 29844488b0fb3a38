#include "common/line_codes.h"

#include <QCoreApplication>

namespace lmk17 {

const BaudRateEntry* BaudRateByCode(int code) {
    for (const BaudRateEntry& e : kBaudRates)
        if (e.code == code) return &e;
    return nullptr;
}

const BaudRateEntry* BaudRateByRate(int rate) {
    for (const BaudRateEntry& e : kBaudRates)
        if (e.rate == rate) return &e;
    return nullptr;
}

LinkParity ParityFromAddressByte(int byte) {
    if (!(byte & 0x80)) return LinkParity::None;
    return (byte & 0x40) ? LinkParity::Odd : LinkParity::Even;
}

int ParityBits(LinkParity parity) {
    switch (parity) {
        case LinkParity::Odd:
            return 0xC0;
        case LinkParity::Even:
            return 0x80;
        case LinkParity::None:
            break;
    }
    return 0;
}

namespace {

// Indexed by LinkParity; translated only where a user reads them.
constexpr const char* kParityNames[] = {
    QT_TRANSLATE_NOOP("LinkParity", "none"),
    QT_TRANSLATE_NOOP("LinkParity", "odd"),
    QT_TRANSLATE_NOOP("LinkParity", "even"),
};

const char* parityNameOf(LinkParity parity) {
    const int index = static_cast<int>(parity);
    return kParityNames[index >= 0 && index < 3 ? index : static_cast<int>(LinkParity::Odd)];
}

}  // namespace

QString ParityName(LinkParity parity) {
    return QString::fromLatin1(parityNameOf(parity));
}

QString ParityDisplayName(LinkParity parity) {
    return QCoreApplication::translate("LinkParity", parityNameOf(parity));
}

std::optional<LinkParity> ParityFromName(const QString& name) {
    for (LinkParity p : {LinkParity::None, LinkParity::Odd, LinkParity::Even})
        if (name.compare(ParityName(p), Qt::CaseInsensitive) == 0) return p;
    return std::nullopt;
}

}  // namespace lmk17
