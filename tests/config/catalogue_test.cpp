#include <gtest/gtest.h>

#include "config/catalogue.h"
#include "config/standard_correspondence.h"
#include "config/transmitter_config.h"

using namespace lmk17;

TEST(Catalogue, TablesHaveTheirBuiltInCounts) {
    EXPECT_TRUE(CatalogueConsistencyMessages().isEmpty())
        << CatalogueConsistencyMessages().join('\n').toStdString();
    EXPECT_EQ(RangeAt(36)->Code, 97);
    EXPECT_EQ(RangeAt(37), nullptr);
    EXPECT_EQ(RangeAt(0), nullptr);
    EXPECT_STREQ(TypeAt(41)->Name, "K8620H11EI1");
    EXPECT_EQ(TypeAt(42), nullptr);
}

// A row of the input range list as printed in the transmitters' range list.
struct RangeCase {
    int index, code;
    const char* shortCode;
    int pvUnit, flags;
    double factor;
    bool editor;
    int editorUnit;
    bool optional;
    std::vector<int> connections;
    int defaultConnection;
    double start, end, damping;
};

class RangeRows : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeRows, MatchTheList) {
    const RangeCase& c = GetParam();
    const InputRangeEntry* r = RangeAt(c.index);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(FindRange(c.code), c.index);
    EXPECT_EQ(r->Code, c.code);
    EXPECT_EQ(r->ShortCode, QString::fromLatin1(c.shortCode));
    EXPECT_TRUE(RangeName(*r).startsWith(QStringLiteral(" %1  ").arg(c.shortCode)));
    EXPECT_EQ(r->PvUnit, c.pvUnit);
    EXPECT_EQ(r->Flags, c.flags);
    EXPECT_EQ(r->Factor, c.factor);
    EXPECT_EQ(r->UsesEditor, c.editor);
    EXPECT_EQ(r->EditorUnit, c.editorUnit);
    EXPECT_EQ(r->OptionalCustomer, c.optional);
    std::vector<int> conns;
    for (int k = 0; k < 256; ++k)
        if (r->AllowsConnection(k)) conns.push_back(k);
    EXPECT_EQ(conns, c.connections);
    EXPECT_EQ(r->DefaultConnection, c.defaultConnection);
    const std::array<double, 9> defaults = {c.start, c.end, 0, 0, c.damping, c.end, 0, c.end, 0};
    EXPECT_EQ(r->Defaults, defaults);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, RangeRows,
    ::testing::Values(
        RangeCase{1, 1, "R01", 37, 0x11, 10, false, 0, false, {1, 2, 3}, 3, 0, 400, 4},
        RangeCase{4, 4, "R04", 57, 0x01, 10, false, 0, false, {4, 5}, 4, 0, 100, 0.5},
        RangeCase{5, 5, "R05", 36, 0x02, 100000, false, 0, false, {6}, 6, -0.015, 0.06, 0.5},
        RangeCase{7, 7, "R07", 37, 0x00, 1, false, 0, false, {8}, 8, -200, 2000, 4},
        RangeCase{8, 11, "R11", 32, 0x51, 10, false, 0, false, {1, 2, 3, 8}, 3, -200, 850, 4},
        RangeCase{12, 15, "R15", 32, 0x41, 10, false, 0, false, {1, 2, 3, 8}, 3, -60, 250, 4},
        RangeCase{13, 51, "R51", 32, 0x40, 1, false, 0, false, {6, 7}, 7, -200, 1000, 4},
        RangeCase{18, 56, "R56", 32, 0x41, 10, false, 0, false, {6, 7}, 7, -250, 400, 4},
        RangeCase{19, 57, "R57", 32, 0x40, 1, false, 0, false, {6, 7}, 7, 0, 1800, 4},
        RangeCase{22, 71, "R71", 249, 0x42, 1e8, true, 249, true, {6}, 6, -15, 60, 0.5},
        RangeCase{25, 74, "R74", 39, 0x42, 100000, true, 39, true, {6}, 6, -6, 24, 0.5},
        RangeCase{28, 82, "R82", 58, 0x42, 100, true, 58, true, {6}, 6, -2.5, 10, 0.5},
        RangeCase{29, 85, "R85", 57, 0x41, 10, true, 57, true, {4, 5}, 4, 0, 100, 0.5},
        RangeCase{30, 91, "R91", 0, 0x51, 10, true, 37, false, {1, 2, 3}, 3, 0, 400, 4},
        RangeCase{34, 95, "R95", 0, 0x42, 100000, true, 36, false, {6, 7}, 6, -15, 60, 0.5},
        RangeCase{36, 97, "R97", 0, 0x40, 1, true, 37, false, {8}, 8, -200, 2000, 4}));

TEST(Catalogue, RangeNamesAreTheListTexts) {
    EXPECT_EQ(RangeName(*RangeAt(1)),
              QStringLiteral(" R01  Resistance Sensor (0 to 400 ohm) without Linearization"));
    EXPECT_EQ(RangeName(*RangeByCode(51)),
              QStringLiteral(" R51  Thermocouple \"J\" (-200 to 1000 °C) with Linearization"));
    EXPECT_EQ(RangeName(*RangeByCode(71)), QStringLiteral(" R71  Current Input -15 to 60 µA"));
    EXPECT_EQ(ConnectionName(*ConnectionAt(7)),
              QStringLiteral(" C7  Connection of T/C with Cold Junction Compensation"));
    EXPECT_EQ(FindRange(8), 0);
    EXPECT_EQ(RangeByCode(0), nullptr);
}

TEST(Catalogue, ConnectionsAndTheirProperties) {
    for (int code = 1; code <= 8; ++code) {
        const ConnectionEntry* c = ConnectionAt(code);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Code, code);
        EXPECT_EQ(QString::fromLatin1(c->ShortCode), QStringLiteral("C%1").arg(code));
        EXPECT_EQ(c->NeedsLeadResistance, code == 1);
        EXPECT_EQ(c->TwoSensors, code == 8);
        EXPECT_EQ(c->CjCompensation, code == 7);
    }
    EXPECT_EQ(ConnectionAt(0), nullptr);
    EXPECT_EQ(ConnectionAt(9), nullptr);
}

TEST(Catalogue, UnitSymbols) {
    const struct {
        int code;
        const char* symbol;
    } cases[] = {{32, "°C"},   {249, "µA"},  {39, "mA"},  {37, "Ohm"}, {57, "%"},
                 {124, "MPa"}, {96, "kg/l"}, {0, "none"}, {1, "none"}, {255, "none"}};
    for (const auto& c : cases)
        EXPECT_EQ(UnitSymbol(c.code), QString::fromUtf8(c.symbol)) << c.code;
    EXPECT_EQ(UnitSlot(61).Code, 96);
    EXPECT_TRUE(UnitSlot(62).Symbol.isEmpty());
    EXPECT_TRUE(UnitSlot(255).Symbol.isEmpty());
}

TEST(Catalogue, OutputTypes) {
    const OutputTypeEntry* u1 = OutputTypeAt(1);
    const std::array<double, 20> q1 = {0.004, 0.02,  0.0038, 0.0205, 0.0005, 0.0035, 0.022,
                                       0.001, 0.003, 0.025,  0.003,  0.025,  0,      0.001,
                                       0.001, 0.003, 0.025,  0.004,  0.012,  0.02};
    EXPECT_EQ(u1->q, q1);
    EXPECT_EQ(u1->k, 1000);
    EXPECT_EQ(OutputTypeName(*u1), QStringLiteral("current output 4 to 20 mA"));
    const OutputTypeEntry* u3 = OutputTypeAt(3);
    EXPECT_EQ(u3->UnitCode, 58);
    EXPECT_EQ(u3->k, 1);
    EXPECT_EQ(u3->q[3], 10.25);
    EXPECT_EQ(u3->q[18], 5);
    EXPECT_EQ(QString::fromLatin1(OutputTypeAt(2)->ShortCode), QStringLiteral("U02"));
    EXPECT_EQ(OutputTypeAt(4), nullptr);
}

TEST(Catalogue, FirmwareVersions) {
    const int expected[] = {160, 170, 171, 172, 173, 174, 180, 181, 182,
                            183, 184, 185, 190, 191, 192, 193, 194, 195};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(FirmwareNumber(i + 1), expected[i]);
        EXPECT_EQ(FindFirmware(expected[i]), i + 1);
    }
    EXPECT_EQ(FirmwareNumber(19), 0);
    EXPECT_EQ(FindFirmware(186), 0);
}

struct TypeCase {
    int index;
    const char* name;
    int family, variant;
    const char* flags;  // A..F as 0/1 and G
    int relays, relayFlag, comparators, errorState, outputType, cmpFlags;
    bool has85, hasThermocouples, hasCurrents;
};

class TypeRows : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TypeRows, MatchTheList) {
    const TypeCase& c = GetParam();
    const TransmitterTypeEntry* t = TypeAt(c.index);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(FindType(QLatin1String(c.name)), c.index);
    EXPECT_EQ(t->Family, c.family);
    EXPECT_EQ(t->Variant, c.variant);
    const QString flags = QStringLiteral("%1%2%3%4%5%6%7")
                              .arg(t->A)
                              .arg(t->B)
                              .arg(t->C)
                              .arg(t->D)
                              .arg(t->E)
                              .arg(t->F)
                              .arg(t->G);
    EXPECT_EQ(flags, QLatin1String(c.flags));
    EXPECT_EQ(t->Relays, c.relays);
    EXPECT_EQ(t->RelayFlag, c.relayFlag);
    EXPECT_EQ(t->Comparators, c.comparators);
    EXPECT_EQ(t->ErrorStateFlag, c.errorState);
    EXPECT_EQ(t->OutputType, c.outputType);
    EXPECT_EQ(t->DefaultComparatorFlags, c.cmpFlags);
    EXPECT_EQ(t->DefaultRange, 11);
    EXPECT_EQ(t->AllowsRange(85), c.has85);
    EXPECT_EQ(t->AllowsRange(51) && t->AllowsRange(59) && t->AllowsRange(5), c.hasThermocouples);
    EXPECT_EQ(t->AllowsRange(71) && t->AllowsRange(82), c.hasCurrents);
    EXPECT_FALSE(t->AllowsRange(8));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, TypeRows,
    ::testing::Values(
        TypeCase{1, "K8410H10", 8410, 72, "0101100", 0, 0, 0, 0, 1, 0, true, true, false},
        TypeCase{2, "K8410H11", 8410, 72, "0011100", 0, 0, 0, 0, 1, 0, true, false, false},
        TypeCase{9, "K8410S20", 8410, 83, "1101100", 0, 0, 0, 0, 1, 0, true, true, true},
        TypeCase{12, "K8410H11EI1", 8410, 72, "0011110", 0, 0, 0, 0, 1, 0, false, false, false},
        TypeCase{21, "K8620L1", 8620, 332, "0000000", 1, 0, 2, 0, 1, 1, false, true, false},
        TypeCase{22, "K8620H10", 8620, 72, "0100000", 0, 0, 2, 1, 1, 48, false, true, false},
        TypeCase{23, "K8620H11", 8620, 72, "0000000", 0, 0, 2, 1, 1, 48, true, true, false},
        TypeCase{27, "K8620L11", 8620, 76, "0000000", 1, 1, 2, 1, 1, 1, true, true, true},
        TypeCase{28, "K8620L20", 8620, 76, "1100000", 2, 1, 2, 1, 1, 3, false, true, false},
        TypeCase{33, "K8620L41", 8620, 76, "0000001", 0, 0, 2, 1, 2, 48, true, true, true},
        TypeCase{34, "K8620L50", 8620, 76, "0100001", 0, 0, 2, 1, 3, 48, false, true, false},
        TypeCase{39, "K8620S21", 8620, 83, "1000000", 2, 1, 2, 1, 1, 3, true, true, true},
        TypeCase{41, "K8620H11EI1", 8620, 72, "0000010", 0, 0, 2, 1, 1, 48, false, true, false}));

TEST(Catalogue, RangeListOfK8410H11HasNoThermocouple) {
    const RangeList list = FillRangeList(FindType(QStringLiteral("K8410H11")), 0);
    QStringList codes;
    for (int index : list.indexOfPosition) codes << RangeAt(index)->ShortCode;
    // R85 belongs to the type's ranges but, like every optional-customer
    // range, is never offered for choosing.
    EXPECT_EQ(codes.join(' '), QStringLiteral("R01 R02 R03 R04 R06 R07 R11 R12 R13 R14 R15 "
                                              "R91 R92 R93 R94 R96 R97"));
    EXPECT_EQ(list.items.size(), codes.size());
    EXPECT_EQ(list.items[6], RangeName(*RangeByCode(11)));
    EXPECT_EQ(list.positionOfIndex(FindRange(11)), 6);
    EXPECT_EQ(list.positionOfIndex(FindRange(51)), -1);
}

TEST(Catalogue, AnOptionalCustomerRangeStandsAloneInTheList) {
    for (int type : {1, 2, 5, 21, 41}) {
        const RangeList list = FillRangeList(type, FindRange(74));
        ASSERT_EQ(list.items.size(), 1) << type;
        EXPECT_EQ(list.items[0], QStringLiteral(" R74  Current Input -6 to 24 mA"));
        EXPECT_EQ(list.indexOfPosition[0], FindRange(74));
    }
    EXPECT_TRUE(FillRangeList(0, 0).items.isEmpty());
}

TEST(Catalogue, ConnectionListsFollowTheRange) {
    const ConnectionList pt100 = FillConnectionList(11);
    EXPECT_EQ(pt100.codeOfPosition, (std::vector<int>{1, 2, 3, 8}));
    EXPECT_EQ(pt100.items[3], QStringLiteral(" C8  Connection of Two 2-Wire Resistance Sensors"));
    EXPECT_EQ(pt100.positionOfCode(8), 3);
    EXPECT_EQ(pt100.positionOfCode(7), -1);
    EXPECT_EQ(FillConnectionList(95).codeOfPosition, (std::vector<int>{6, 7}));
    EXPECT_TRUE(FillConnectionList(8).items.isEmpty());
}

TEST(StandardTables, RowZeroAndSegmentsOfTheFixedRanges) {
    const struct {
        int code;
        std::array<double, 4> row0;
        double slope;
    } cases[] = {
        {1, {-10, 441, -10, 441}, 1},
        {92, {-100, 4041, -100, 4041}, 1},
        {5, {-0.02, 0.065, -0.02, 0.065}, 1},
        {97, {-2020, 2020, -2020, 2020}, 1},
        {85, {-100, 4400, -110, 4400}, 1},
        {71, {-2e-05, 6.5e-05, -20, 65}, 1e6},
        {73, {-0.002, 0.0065, -2000, 6200}, 1e6},
        {74, {-0.008, 0.026, -8, 26}, 1000},
        {82, {-3, 10.5, -3, 10.5}, 1},
        {95, {-0.016, 0.061, -16, 61}, 1000},
        {8, {-100, 4400, -110, 4400}, 1},
    };
    for (const auto& c : cases) {
        const StandardTable t = LoadStandardTables(c.code);
        EXPECT_EQ(t.rows[0], c.row0) << c.code;
        for (int r = 1; r <= 8; ++r)
            EXPECT_EQ(t.rows[r], (std::array<double, 4>{0, 0, c.slope, 0})) << c.code;
        EXPECT_EQ(t.cj, (std::array<double, 4>{})) << c.code;
        EXPECT_EQ(StandardXStart(c.code), c.row0[0]);
        EXPECT_EQ(StandardXEnd(c.code), c.row0[1]);
    }
}

TEST(StandardTables, Pt100AndTypeJAreTheEstablishedOnes) {
    const StandardTable pt = LoadStandardTables(11);
    EXPECT_EQ(pt.rows[0], (std::array<double, 4>{18.43, 390.77, -202, 852}));
    EXPECT_EQ(pt.rows[1],
              (std::array<double, 4>{-7.69177e-06, 0.002751376, 2.218552439, -241.9873493}));
    EXPECT_EQ(pt.rows[8],
              (std::array<double, 4>{1.90933e-06, -9.89652e-06, 2.549892998, -257.8547934}));
    const StandardTable j = LoadStandardTables(51);
    EXPECT_EQ(j.rows[0], (std::array<double, 4>{-0.011, 0.06898, -215, 1205}));
    EXPECT_EQ(j.cj, (std::array<double, 4>{-9.82911e-13, 5.41191e-09, 5.00583e-06, -0.009434322}));
}

TEST(StandardTables, ApplyTransposesIntoTheRecord) {
    TransmitterConfig c;
    ApplyStandardTables(c, 11);
    EXPECT_EQ(c.YEnd(), 852);
    EXPECT_EQ(c.YStart(), -202);
    EXPECT_EQ(c.XEnd(), 390.77);
    EXPECT_EQ(c.XStart(), 18.43);
    EXPECT_EQ(c.LinSegTable[0][1], -241.9873493);  // c0 of segment 1
    EXPECT_EQ(c.LinSegTable[3][1], -7.69177e-06);  // c3 of segment 1
    ApplyStandardTables(c, 51);
    EXPECT_EQ(c.CjcPoly,
              (std::array<double, 4>{-0.009434322, 5.00583e-06, 5.41191e-09, -9.82911e-13}));
}

TEST(StandardTables, MatchingAllowsOnePartPerMillion) {
    TransmitterConfig c;
    ApplyStandardTables(c, 1);
    EXPECT_TRUE(MatchesStandardTables(c, 1));
    EXPECT_FALSE(MatchesStandardTables(c, 2));
    // Each of the 36 table values (and a CJ coefficient) moved by 2e-6
    // relative breaks the match; 0.5e-6 does not.
    for (int k = 0; k < 4; ++k) {
        for (int s = 0; s < 9; ++s) {
            TransmitterConfig moved = c;
            double& v = moved.LinSegTable[k][s];
            if (v == 0.0) {
                v = 1e-300;  // a zero standard value needs an exact zero
            } else {
                v *= 1 + 0.5e-6;
                EXPECT_TRUE(MatchesStandardTables(moved, 1)) << k << ',' << s;
                v = c.LinSegTable[k][s] * (1 + 2e-6);
            }
            EXPECT_FALSE(MatchesStandardTables(moved, 1)) << k << ',' << s;
        }
    }
    TransmitterConfig cj = c;
    cj.CjcPoly[2] = 1e-12;
    EXPECT_FALSE(MatchesStandardTables(cj, 1));
}

// Tables fitted elsewhere are as good as ours while they measure within the
// sensor's tolerance class; tables of something else are not.
TEST(StandardTables, CorrespondenceJudgesWhatTheTablesMeasure) {
    const int measured[] = {11, 12, 13, 14, 15, 51, 52, 53, 54, 55, 56, 57, 58, 59};
    for (const int code : measured) {
        SCOPED_TRACE(code);
        TransmitterConfig own;
        ApplyStandardTables(own, code);
        EXPECT_TRUE(CorrespondsToStandardTables(own, code));
        // Every value differs in its last digits, as another fit's would.
        TransmitterConfig refit = own;
        double sign = 1.0;
        for (auto& row : refit.LinSegTable)
            for (double& v : row) v *= 1.0 + (sign = -sign) * 5e-6;
        for (double& v : refit.CjcPoly) v *= 1.0 + (sign = -sign) * 5e-6;
        EXPECT_FALSE(MatchesStandardTables(refit, code));
        EXPECT_TRUE(CorrespondsToStandardTables(refit, code));
        // Another sensor's table, or one damaged coefficient, is wrong.
        TransmitterConfig other;
        ApplyStandardTables(other, code == 11 ? 52 : 11);
        EXPECT_FALSE(CorrespondsToStandardTables(other, code));
        TransmitterConfig damaged = own;
        damaged.LinSegTable[0][4] += 10.0;
        EXPECT_FALSE(CorrespondsToStandardTables(damaged, code));
    }
    // The cold-junction cubic of a thermocouple is part of it.
    TransmitterConfig noCj;
    ApplyStandardTables(noCj, 52);
    noCj.CjcPoly = {};
    EXPECT_FALSE(CorrespondsToStandardTables(noCj, 52));
    // Ranges whose tables are exact by definition keep the exact comparison.
    TransmitterConfig identity;
    ApplyStandardTables(identity, 1);
    identity.LinSegTable[1][3] *= 1.0 + 5e-6;
    EXPECT_FALSE(CorrespondsToStandardTables(identity, 1));
}

// The bound is the sensor's tolerance class: a whole table shifted by less
// than the class allows around 0 °C (less our own table's error) is accepted,
// more is not.
TEST(StandardTables, CorrespondenceBoundIsTheToleranceClass) {
    const struct {
        int code;
        double shift;  // °C added to every segment
        bool accepted;
    } cases[] = {
        {11, 0.12, true}, {11, 0.2, false},   // Pt100, IEC 60751 class A: 0.15 °C at 0 °C
        {14, 0.35, true}, {14, 0.45, false},  // Ni100, DIN 43760: 0.4 °C at 0 °C
        {56, 0.25, true}, {56, 0.7, false},   // type T, IEC 60584-1 class 1: 0.5 °C
        {52, 1.0, true},  {52, 2.0, false},   // type K, class 1: 1.5 °C
    };
    for (const auto& c : cases) {
        TransmitterConfig t;
        ApplyStandardTables(t, c.code);
        for (int s = 1; s <= 8; ++s) t.LinSegTable[0][s] += c.shift;
        EXPECT_EQ(CorrespondsToStandardTables(t, c.code), c.accepted) << c.code << " " << c.shift;
    }
}

TEST(Catalogue, EditorUnitListFollowsTheSymbol) {
    const QStringList entries = {" none", " °C ", " mA", " Ohm"};
    EXPECT_EQ(UnitListPosition(entries, UnitSymbol(39)), 2);
    EXPECT_EQ(UnitListPosition(entries, QStringLiteral("ohm")), 3);
    EXPECT_EQ(UnitListPosition(entries, UnitSymbol(32)), 1);
    EXPECT_EQ(UnitListPosition(entries, QStringLiteral("kg")), 0);
}
