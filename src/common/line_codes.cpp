#include "common/line_codes.h"

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

QString ParityName(LinkParity parity) {
    switch (parity) {
        case LinkParity::None:
            return QStringLiteral("none");
        case LinkParity::Even:
            return QStringLiteral("even");
        case LinkParity::Odd:
            break;
    }
    return QStringLiteral("odd");
}

std::optional<LinkParity> ParityFromName(const QString& name) {
    for (LinkParity p : {LinkParity::None, LinkParity::Odd, LinkParity::Even})
        if (name.compare(ParityName(p), Qt::CaseInsensitive) == 0) return p;
    return std::nullopt;
}

}  // namespace lmk17
