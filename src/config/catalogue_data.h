#pragma once

// The raw rows of the catalogue as the transmitters' documentation lists
// them; catalogue.cpp builds the entries from them once.

#include <QtGlobal>
#include <vector>

namespace lmk17::catalogue_data {

struct RangeRow {
    quint8 code;
    const char* name;
    quint8 pvUnit;
    quint8 flags;
    double factor;
    bool usesEditor;
    quint8 editorUnit;
    bool optionalCustomer;
    quint8 connections[4];  // permitted connection codes, 0 ends the list early
    quint8 defaultConnection;
    double start;  // device units
    double end;
    double damping;
};

struct ConnectionRow {
    const char* name;
    const char* shortCode;
    bool lead;
    bool twoSensors;
    bool cj;
};

struct UnitRow {
    quint8 code;
    const char* symbol;
};

struct OutputTypeRow {
    const char* name;
    const char* shortCode;
    quint8 unitCode;
    double k;
    double q[20];
};

enum RangeSet { S1 = 1, S2, S3, S4, S5 };

struct TypeRow {
    const char* name;
    int family;
    int variant;
    int a, b, c, d, e, f, g;
    RangeSet ranges;
    int relays, relayFlag, comparators, errorStateFlag;
    int outputType;
    int defaultComparatorFlags;
};

extern const RangeRow kRanges[];
extern const int kRangeRows;
extern const ConnectionRow kConnections[];
extern const int kConnectionRows;
extern const UnitRow kUnits[];
extern const int kUnitRows;
extern const OutputTypeRow kOutputTypes[];
extern const int kOutputTypeRows;
extern const int kFirmware[];
extern const int kFirmwareRows;
extern const TypeRow kTypes[];
extern const int kTypeRows;

// The range codes of a range set.
std::vector<int> RangeSetCodes(RangeSet set);

}  // namespace lmk17::catalogue_data
