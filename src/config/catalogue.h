#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <bitset>
#include <vector>

#include "config/standard_table.h"

namespace lmk17 {

struct TransmitterConfig;

// Built-in sizes of the catalogue tables; the tables are checked against them.
inline constexpr int kRangeCount = 36;
inline constexpr int kConnectionCount = 8;
inline constexpr int kUnitSlotCount = 256;
inline constexpr int kOutputTypeCount = 3;
inline constexpr int kFirmwareCount = 18;
inline constexpr int kTypeCount = 41;

// Translation context of every catalogue text (range, connection, unit and
// output names); the language modules replace them.
inline constexpr char kCatalogueContext[] = "Catalogue";

// Indexes into InputRangeEntry::Defaults.
enum RangeDefault {
    kDefLowerRange = 0,
    kDefUpperRange,
    kDefLowerCorrection,
    kDefUpperCorrection,
    kDefDamping,
    kDefCmp1Level,
    kDefCmp1Hysteresis,
    kDefCmp2Level,
    kDefCmp2Hysteresis,
};

struct InputRangeEntry {
    quint8 Code = 0;                // 1..97, stored in InputRangeCode
    const char* Name = "";          // untranslated list text (see RangeName)
    QString ShortCode;              // "R01" .. "R97"
    std::bitset<256> Connections;   // permitted connection codes
    quint8 PvUnit = 0;              // unit code; 0 = from the customer linearization
    quint8 Flags = 0;               // default RangeFlags
    double Factor = 0.0;            // display factor F
    bool UsesEditor = false;        // the linearization editor applies
    quint8 EditorUnit = 0;          // unit code of the editor's X values
    bool OptionalCustomer = false;  // customer linearization optional ("Customer")
    quint8 DefaultConnection = 0;
    std::array<double, 9> Defaults{};  // record order, device units

    bool AllowsConnection(int code) const {
        return code >= 0 && code < 256 && Connections.test(size_t(code));
    }
};

struct ConnectionEntry {
    quint8 Code = 0;
    const char* Name = "";
    const char* ShortCode = "";
    bool NeedsLeadResistance = false;
    bool TwoSensors = false;
    bool CjCompensation = false;
};

struct UnitEntry {
    quint8 Code = 0;
    QString Symbol;
};

// All values in A (current outputs) or V (voltage output).
struct OutputTypeEntry {
    const char* Name = "";
    const char* ShortCode = "";
    quint8 UnitCode = 0;
    double k = 1.0;  // display factor: 1000 shows mA, 1 shows V
    std::array<double, 20> q{};

    double Start() const { return q[0]; }
    double End() const { return q[1]; }
    double Span() const { return q[1] - q[0]; }
};

struct TransmitterTypeEntry {
    const char* Name = "";  // type designation, at most 16 characters
    qint32 Family = 0;      // 8410 or 8620
    qint32 Variant = 0;     // 72 'H', 76 'L', 83 'S'; 332 for K8620L1
    bool A = false;
    bool B = false;  // has a cold-junction sensor (CJ temperature reading offered)
    bool C = false;
    bool D = false;  // no limit comparators (never exchanged with the transmitter)
    bool E = false;
    bool F = false;
    quint8 G = 0;
    std::bitset<256> Ranges;  // permitted range codes
    quint8 Relays = 0;
    quint8 RelayFlag = 0;  // relays can signal the error state (firmware 1.70+)
    quint8 Comparators = 0;
    quint8 ErrorStateFlag = 0;  // comparator state on error selectable (1.70+)
    quint8 OutputType = 0;      // 1-based index into the output types
    quint8 DefaultRange = 0;    // range code
    quint8 DefaultComparatorFlags = 0;
    const char* Picture = nullptr;  // resource of the type's picture, none yet

    bool AllowsRange(int code) const {
        return code >= 0 && code < 256 && Ranges.test(size_t(code));
    }
};

// --- lookups (indexes are 1-based as everywhere in the program) ---------------

const InputRangeEntry* RangeAt(int index);            // 1..36, else nullptr
int FindRange(int code);                              // index of the code, 0 if none
const InputRangeEntry* RangeByCode(int code);         // nullptr if none
QString RangeName(const InputRangeEntry& range);      // translated list text
const ConnectionEntry* ConnectionAt(int code);        // 1..8, else nullptr
QString ConnectionName(const ConnectionEntry& conn);  // translated list text
const UnitEntry& UnitSlot(int slot);                  // 0..255
QString UnitSymbol(int code);                         // "none" when not found
const OutputTypeEntry* OutputTypeAt(int index);       // 1..3, else nullptr
QString OutputTypeName(const OutputTypeEntry& type);  // translated
int FirmwareNumber(int index);                        // 1..18 -> 160.., else 0
int FindFirmware(int number);                         // index of the number, 0 if none
const TransmitterTypeEntry* TypeAt(int index);        // 1..41, else nullptr
int FindType(const QString& name);                    // exact, case-sensitive; 0 if none
const OutputTypeEntry* OutputTypeOf(int typeIndex);   // the type's output type

// The decimal-place divisor m of a flags byte: 1, 10 or 100 (3 counts as 2).
int DisplayDivisor(quint8 rangeFlags);

// The internal consistency messages of tables whose size differs from the
// built-in count; empty when everything matches.
QStringList CatalogueConsistencyMessages();

// --- list filling --------------------------------------------------------------

// The input range list ZaklRozsahCB: its texts and, per position, the
// catalogue index of the range.
struct RangeList {
    QStringList items;
    std::vector<int> indexOfPosition;
    int positionOfIndex(int rangeIndex) const;  // -1 when not listed
};
RangeList FillRangeList(int typeIndex, int currentRangeIndex);

// The connection list PripojeniCB: texts and, per position, the connection code.
struct ConnectionList {
    QStringList items;
    std::vector<int> codeOfPosition;
    int positionOfCode(int code) const;  // -1 when not listed
};
ConnectionList FillConnectionList(int rangeCode);

// The entry of the linearization editor's unit list that shows a unit symbol:
// the first whose trimmed, upper-cased text equals the symbol upper-cased;
// 0 (the first entry) when none does.
int UnitListPosition(const QStringList& entries, const QString& symbol);

// --- standard characteristics ---------------------------------------------------

// The standard table and CJ polynomial of a range code (row 0 = X start, X end,
// Y start, Y end; rows 1..8 = c3, c2, c1, c0; CJ c3 first). Codes without a
// table of their own get the identity table with row 0 (-100, 4400, -110, 4400).
StandardTable LoadStandardTables(int code);
// Copies the standard tables of a code into the record (LinSegTable
// transposed, CjcPoly c0 first).
void ApplyStandardTables(TransmitterConfig& config, int code);
// Whether all 36 table values and 4 CJ coefficients equal the standard ones
// within |s| x 1e-6.
bool MatchesStandardTables(const TransmitterConfig& config, int code);
double StandardXStart(int code);
double StandardXEnd(int code);

}  // namespace lmk17
