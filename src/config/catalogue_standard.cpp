// The standard characteristics of the input ranges as the catalogue hands
// them out. Ranges that measure their input unchanged get the identity table
// with their own limits (row 0); the current and voltage inputs scale it; the
// resistance thermometers and thermocouples have generated tables of their own.
#include <cmath>

#include "config/catalogue.h"
#include "config/transmitter_config.h"

namespace lmk17 {

namespace {

struct RowZero {
    int code;
    double xStart, xEnd, yStart, yEnd;
    double gain;  // slope of every segment: 1 identity, 1e6 or 1e3 scaled inputs
};

// Row 0 (X start, X end, Y start, Y end) of every range with limits of its own.
constexpr RowZero kRowZero[] = {
    {1, -10, 441, -10, 441, 1},
    {91, -10, 441, -10, 441, 1},
    {2, -100, 4041, -100, 4041, 1},
    {92, -100, 4041, -100, 4041, 1},
    {3, -2, 102, -2, 102, 1},
    {4, -2, 102, -2, 102, 1},
    {93, -2, 102, -2, 102, 1},
    {94, -2, 102, -2, 102, 1},
    {5, -0.02, 0.065, -0.02, 0.065, 1},
    {6, -220, 220, -220, 220, 1},
    {96, -220, 220, -220, 220, 1},
    {7, -2020, 2020, -2020, 2020, 1},
    {97, -2020, 2020, -2020, 2020, 1},
    {11, 18.43, 390.77, -202, 852, 1},
    {12, 92.6, 1953.9, -202, 852, 1},
    {13, 184.3, 3907.7, -202, 852, 1},
    {14, 69.40000153, 289.5, -60.26421356, 250.2838287, 1},
    {15, 694, 2895, -60.2642134, 250.2835691, 1},
    {51, -0.011, 0.06898, -215, 1205, 1},
    {52, -0.011, 0.054819, -272, 1310, 1},
    {53, -0.008, 0.047513, -201, 1320, 1},
    {54, -0.002, 0.02023, -55, 1710, 1},
    {55, -0.0017, 0.017947, -55, 1710, 1},
    {56, -0.009, 0.020872, -275, 410, 1},
    {57, -0.0017, 0.013706, -1, 1820, 1},
    {58, -0.011, 0.061017, -272, 1310, 1},
    {59, -0.011, 0.05243, -205, 905, 1},
    {71, -2e-05, 6.5e-05, -20, 65, 1000000},
    {72, -0.0002, 0.00065, -200, 650, 1000000},
    {73, -0.002, 0.0065, -2000, 6200, 1000000},
    {74, -0.008, 0.026, -8, 26, 1000},
    {75, -0.02, 0.065, -20, 65, 1000},
    {81, -0.3, 1.05, -300, 1050, 1000},
    {82, -3, 10.5, -3, 10.5, 1},
    {95, -0.016, 0.061, -16, 61, 1000},
};

// Every code without limits of its own (R85 among them) takes this table whole.
StandardTable defaultTable() {
    StandardTable t;
    t.rows[0] = {-100, 4400, -110, 4400};
    for (int r = 1; r <= 8; ++r) t.rows[r] = {0, 0, 1, 0};
    return t;
}

const RowZero* findRowZero(int code) {
    for (const RowZero& z : kRowZero)
        if (z.code == code) return &z;
    return nullptr;
}

bool closeTo(double value, double standard) {
    return std::fabs(value - standard) <= std::fabs(standard) * 1e-6;
}

}  // namespace

StandardTable LoadStandardTables(int code) {
    if (const StandardTable* own = OwnStandardTable(code)) return *own;
    StandardTable t = defaultTable();
    if (const RowZero* z = findRowZero(code)) {
        t.rows[0] = {z->xStart, z->xEnd, z->yStart, z->yEnd};
        for (int r = 1; r <= 8; ++r) t.rows[r] = {0, 0, z->gain, 0};
    }
    return t;
}

void ApplyStandardTables(TransmitterConfig& config, int code) {
    const StandardTable t = LoadStandardTables(code);
    for (int r = 0; r <= 8; ++r)
        for (int j = 0; j < 4; ++j) config.LinSegTable[j][r] = t.rows[r][3 - j];
    for (int n = 0; n < 4; ++n) config.CjcPoly[n] = t.cj[3 - n];
}

bool MatchesStandardTables(const TransmitterConfig& config, int code) {
    const StandardTable t = LoadStandardTables(code);
    for (int r = 0; r <= 8; ++r)
        for (int j = 0; j < 4; ++j)
            if (!closeTo(config.LinSegTable[j][r], t.rows[r][3 - j])) return false;
    for (int n = 0; n < 4; ++n)
        if (!closeTo(config.CjcPoly[n], t.cj[3 - n])) return false;
    return true;
}

double StandardXStart(int code) {
    return LoadStandardTables(code).rows[0][0];
}
double StandardXEnd(int code) {
    return LoadStandardTables(code).rows[0][1];
}

}  // namespace lmk17
