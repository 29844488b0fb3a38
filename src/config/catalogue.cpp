#include "config/catalogue.h"

#include <QCoreApplication>
#include <cmath>

#include "config/catalogue_data.h"
#include "config/transmitter_config.h"

namespace lmk17 {

namespace data = catalogue_data;

namespace {

struct Catalogue {
    std::array<InputRangeEntry, kRangeCount + 1> ranges{};  // [0] unused
    std::array<ConnectionEntry, kConnectionCount + 1> connections{};
    std::array<UnitEntry, kUnitSlotCount> units{};
    std::array<OutputTypeEntry, kOutputTypeCount + 1> outputTypes{};
    std::array<int, kFirmwareCount + 1> firmware{};
    std::array<TransmitterTypeEntry, kTypeCount + 1> types{};
};

InputRangeEntry makeRange(const data::RangeRow& row) {
    InputRangeEntry e;
    e.Code = row.code;
    e.Name = row.name;
    e.ShortCode = QStringLiteral("R%1").arg(row.code, 2, 10, QLatin1Char('0'));
    for (quint8 c : row.connections)
        if (c) e.Connections.set(c);
    e.PvUnit = row.pvUnit;
    e.Flags = row.flags;
    e.Factor = row.factor;
    e.UsesEditor = row.usesEditor;
    e.EditorUnit = row.editorUnit;
    e.OptionalCustomer = row.optionalCustomer;
    e.DefaultConnection = row.defaultConnection;
    // Corrections and hysteresis default to 0, both comparator levels to the
    // range end.
    e.Defaults.fill(0.0);
    e.Defaults[kDefLowerRange] = row.start;
    e.Defaults[kDefUpperRange] = row.end;
    e.Defaults[kDefDamping] = row.damping;
    e.Defaults[kDefCmp1Level] = row.end;
    e.Defaults[kDefCmp2Level] = row.end;
    return e;
}

TransmitterTypeEntry makeType(const data::TypeRow& row) {
    TransmitterTypeEntry t;
    t.Name = row.name;
    t.Family = row.family;
    t.Variant = row.variant;
    t.A = row.a;
    t.B = row.b;
    t.C = row.c;
    t.D = row.d;
    t.E = row.e;
    t.F = row.f;
    t.G = quint8(row.g);
    for (int code : data::RangeSetCodes(row.ranges)) t.Ranges.set(size_t(code));
    t.Relays = quint8(row.relays);
    t.RelayFlag = quint8(row.relayFlag);
    t.Comparators = quint8(row.comparators);
    t.ErrorStateFlag = quint8(row.errorStateFlag);
    t.OutputType = quint8(row.outputType);
    t.DefaultRange = 11;
    t.DefaultComparatorFlags = quint8(row.defaultComparatorFlags);
    return t;
}

Catalogue build() {
    Catalogue c;
    for (int i = 0; i < qMin(data::kRangeRows, kRangeCount); ++i)
        c.ranges[i + 1] = makeRange(data::kRanges[i]);
    for (int i = 0; i < qMin(data::kConnectionRows, kConnectionCount); ++i) {
        const data::ConnectionRow& row = data::kConnections[i];
        c.connections[i + 1] = {quint8(i + 1), row.name,       row.shortCode,
                                row.lead,      row.twoSensors, row.cj};
    }
    for (int i = 0; i < qMin(data::kUnitRows, kUnitSlotCount); ++i) {
        const data::UnitRow& row = data::kUnits[i];
        // Slot 0 ("none") is a translated text; the symbols are not.
        c.units[i] = {row.code, i == 0 ? QCoreApplication::translate(kCatalogueContext, row.symbol)
                                       : QString::fromUtf8(row.symbol)};
    }
    for (int i = 0; i < qMin(data::kOutputTypeRows, kOutputTypeCount); ++i) {
        const data::OutputTypeRow& row = data::kOutputTypes[i];
        OutputTypeEntry& o = c.outputTypes[i + 1];
        o.Name = row.name;
        o.ShortCode = row.shortCode;
        o.UnitCode = row.unitCode;
        o.k = row.k;
        std::copy(std::begin(row.q), std::end(row.q), o.q.begin());
    }
    for (int i = 0; i < qMin(data::kFirmwareRows, kFirmwareCount); ++i)
        c.firmware[i + 1] = data::kFirmware[i];
    for (int i = 0; i < qMin(data::kTypeRows, kTypeCount); ++i)
        c.types[i + 1] = makeType(data::kTypes[i]);
    return c;
}

const Catalogue& catalogue() {
    static const Catalogue c = build();
    return c;
}

}  // namespace

const InputRangeEntry* RangeAt(int index) {
    return index >= 1 && index <= kRangeCount ? &catalogue().ranges[index] : nullptr;
}

int FindRange(int code) {
    for (int i = 1; i <= kRangeCount; ++i)
        if (catalogue().ranges[i].Code == code && code != 0) return i;
    return 0;
}

const InputRangeEntry* RangeByCode(int code) {
    return RangeAt(FindRange(code));
}

QString RangeName(const InputRangeEntry& range) {
    return QCoreApplication::translate(kCatalogueContext, range.Name);
}

const ConnectionEntry* ConnectionAt(int code) {
    return code >= 1 && code <= kConnectionCount ? &catalogue().connections[code] : nullptr;
}

QString ConnectionName(const ConnectionEntry& conn) {
    return QCoreApplication::translate(kCatalogueContext, conn.Name);
}

const UnitEntry& UnitSlot(int slot) {
    static const UnitEntry empty;
    return slot >= 0 && slot < kUnitSlotCount ? catalogue().units[slot] : empty;
}

QString UnitSymbol(int code) {
    for (const UnitEntry& u : catalogue().units)
        if (u.Code == code && !u.Symbol.isEmpty()) return u.Symbol;
    return QCoreApplication::translate(kCatalogueContext, "none");
}

const OutputTypeEntry* OutputTypeAt(int index) {
    return index >= 1 && index <= kOutputTypeCount ? &catalogue().outputTypes[index] : nullptr;
}

QString OutputTypeName(const OutputTypeEntry& type) {
    return QCoreApplication::translate(kCatalogueContext, type.Name);
}

int FirmwareNumber(int index) {
    return index >= 1 && index <= kFirmwareCount ? catalogue().firmware[index] : 0;
}

int FindFirmware(int number) {
    for (int i = 1; i <= kFirmwareCount; ++i)
        if (catalogue().firmware[i] == number) return i;
    return 0;
}

const TransmitterTypeEntry* TypeAt(int index) {
    return index >= 1 && index <= kTypeCount ? &catalogue().types[index] : nullptr;
}

int FindType(const QString& name) {
    for (int i = 1; i <= kTypeCount; ++i)
        if (name == QLatin1String(catalogue().types[i].Name)) return i;
    return 0;
}

const OutputTypeEntry* OutputTypeOf(int typeIndex) {
    const TransmitterTypeEntry* t = TypeAt(typeIndex);
    return t ? OutputTypeAt(t->OutputType) : nullptr;
}

int DisplayDivisor(quint8 rangeFlags) {
    switch (rangeFlags & kDisplayConfigMask) {
        case 0:
            return 1;
        case 1:
            return 10;
        default:
            return 100;
    }
}

QStringList CatalogueConsistencyMessages() {
    QStringList messages;
    auto check = [&](int rows, int builtIn, const char* name) {
        if (rows != builtIn)
            // notr: the program's internal consistency message, for its author
            messages << QString::fromUtf8(
                            "POZOR! Nesouhlasí počet '%1', kontaktujte autora programu!")
                            .arg(QLatin1String(name));
    };
    check(data::kRangeRows, kRangeCount, "nNumOfInpRange");
    check(data::kOutputTypeRows, kOutputTypeCount, "nNumOfOutRange");
    check(data::kTypeRows, kTypeCount, "nPocetTypu");
    return messages;
}

}  // namespace lmk17
