#include <algorithm>

#include "config/catalogue.h"

namespace lmk17 {

int RangeList::positionOfIndex(int rangeIndex) const {
    auto it = std::find(indexOfPosition.begin(), indexOfPosition.end(), rangeIndex);
    return it == indexOfPosition.end() ? -1 : int(it - indexOfPosition.begin());
}

int ConnectionList::positionOfCode(int code) const {
    auto it = std::find(codeOfPosition.begin(), codeOfPosition.end(), code);
    return it == codeOfPosition.end() ? -1 : int(it - codeOfPosition.begin());
}

// Optional-customer ranges are never offered for choosing: they appear only
// as the single entry when a transmitter or a file already holds one.
RangeList FillRangeList(int typeIndex, int currentRangeIndex) {
    RangeList list;
    auto add = [&](int index) {
        list.items << RangeName(*RangeAt(index));
        list.indexOfPosition.push_back(index);
    };
    const InputRangeEntry* current = RangeAt(currentRangeIndex);
    if (current && current->OptionalCustomer) {
        add(currentRangeIndex);
        return list;
    }
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    if (!type) return list;
    for (int i = 1; i <= kRangeCount; ++i) {
        const InputRangeEntry* r = RangeAt(i);
        if (type->AllowsRange(r->Code) && !r->OptionalCustomer) add(i);
    }
    return list;
}

ConnectionList FillConnectionList(int rangeCode) {
    ConnectionList list;
    const InputRangeEntry* range = RangeByCode(rangeCode);
    if (!range) return list;
    for (int code = 1; code <= kConnectionCount; ++code) {
        if (!range->AllowsConnection(code)) continue;
        list.items << ConnectionName(*ConnectionAt(code));
        list.codeOfPosition.push_back(code);
    }
    return list;
}

int UnitListPosition(const QStringList& entries, const QString& symbol) {
    const QString wanted = symbol.trimmed().toUpper();
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].trimmed().toUpper() == wanted) return i;
    return 0;
}

}  // namespace lmk17
