// ITS-90 thermocouple reference functions, E in mV for t in °C against a
// reference junction at 0 °C: NIST Monograph 175 (Burns et al., 1993), also
// IEC 60584-1:2013; the coefficients as listed in the NIST ITS-90 Thermocouple
// Database (SRD 60), file allcoeff.tab.
#include <cmath>
#include <iterator>

#include "config/reference/numeric_inverse.h"
#include "config/reference/thermocouple_reference.h"

namespace lmk17::reference {

namespace {

struct Piece {
    double high;      // the piece applies up to and including this temperature
    const double* c;  // c0 first
    int count;
};

template <int N>
constexpr Piece piece(double high, const double (&c)[N]) {
    return {high, c, N};
}

// Type B, Pt-30%Rh / Pt-6%Rh, NIST Monograph 175, 0..630.615 and 630.615..1820 °C.
constexpr double kB1[] = {0.0,
                          -0.246508183460e-03,
                          0.590404211710e-05,
                          -0.132579316360e-08,
                          0.156682919010e-11,
                          -0.169445292400e-14,
                          0.629903470940e-18};
constexpr double kB2[] = {-0.389381686210e+01, 0.285717474700e-01,  -0.848851047850e-04,
                          0.157852801640e-06,  -0.168353448640e-09, 0.111097940130e-12,
                          -0.445154310330e-16, 0.989756408210e-20,  -0.937913302890e-24};

// Type E, Ni-Cr / Cu-Ni, NIST Monograph 175, -270..0 and 0..1000 °C.
constexpr double kE1[] = {0.0,
                          0.586655087080e-01,
                          0.454109771240e-04,
                          -0.779980486860e-06,
                          -0.258001608430e-07,
                          -0.594525830570e-09,
                          -0.932140586670e-11,
                          -0.102876055340e-12,
                          -0.803701236210e-15,
                          -0.439794973910e-17,
                          -0.164147763550e-19,
                          -0.396736195160e-22,
                          -0.558273287210e-25,
                          -0.346578420130e-28};
constexpr double kE2[] = {0.0,
                          0.586655087100e-01,
                          0.450322755820e-04,
                          0.289084072120e-07,
                          -0.330568966520e-09,
                          0.650244032700e-12,
                          -0.191974955040e-15,
                          -0.125366004970e-17,
                          0.214892175690e-20,
                          -0.143880417820e-23,
                          0.359608994810e-27};

// Type J, Fe / Cu-Ni, NIST Monograph 175, -210..760 and 760..1200 °C.
constexpr double kJ1[] = {0.0,
                          0.503811878150e-01,
                          0.304758369300e-04,
                          -0.856810657200e-07,
                          0.132281952950e-09,
                          -0.170529583370e-12,
                          0.209480906970e-15,
                          -0.125383953360e-18,
                          0.156317256970e-22};
constexpr double kJ2[] = {0.296456256810e+03,  -0.149761277860e+01, 0.317871039240e-02,
                          -0.318476867010e-05, 0.157208190040e-08,  -0.306913690560e-12};

// Type K, Ni-Cr / Ni-Al, NIST Monograph 175, -270..0 and 0..1372 °C; above
// 0 °C plus a0 exp(a1 (t - a2)²).
constexpr double kK1[] = {0.0,
                          0.394501280250e-01,
                          0.236223735980e-04,
                          -0.328589067840e-06,
                          -0.499048287770e-08,
                          -0.675090591730e-10,
                          -0.574103274280e-12,
                          -0.310888728940e-14,
                          -0.104516093650e-16,
                          -0.198892668780e-19,
                          -0.163226974860e-22};
constexpr double kK2[] = {-0.176004136860e-01, 0.389212049750e-01,  0.185587700320e-04,
                          -0.994575928740e-07, 0.318409457190e-09,  -0.560728448890e-12,
                          0.560750590590e-15,  -0.320207200030e-18, 0.971511471520e-22,
                          -0.121047212750e-25};
constexpr double kKa0 = 0.118597600000e+00;
constexpr double kKa1 = -0.118343200000e-03;
constexpr double kKa2 = 0.126968600000e+03;

// Type N, Ni-Cr-Si / Ni-Si, NIST Monograph 175, -270..0 and 0..1300 °C.
constexpr double kN1[] = {0.0,
                          0.261591059620e-01,
                          0.109574842280e-04,
                          -0.938411115540e-07,
                          -0.464120397590e-10,
                          -0.263033577160e-11,
                          -0.226534380030e-13,
                          -0.760893007910e-16,
                          -0.934196678350e-19};
constexpr double kN2[] = {0.0,
                          0.259293946010e-01,
                          0.157101418800e-04,
                          0.438256272370e-07,
                          -0.252611697940e-09,
                          0.643118193390e-12,
                          -0.100634715190e-14,
                          0.997453389920e-18,
                          -0.608632456070e-21,
                          0.208492293390e-24,
                          -0.306821961510e-28};

// Type R, Pt-13%Rh / Pt, NIST Monograph 175, -50..1064.18, 1064.18..1664.5
// and 1664.5..1768.1 °C.
constexpr double kR1[] = {0.0,
                          0.528961729765e-02,
                          0.139166589782e-04,
                          -0.238855693017e-07,
                          0.356916001063e-10,
                          -0.462347666298e-13,
                          0.500777441034e-16,
                          -0.373105886191e-19,
                          0.157716482367e-22,
                          -0.281038625251e-26};
constexpr double kR2[] = {0.295157925316e+01,  -0.252061251332e-02, 0.159564501865e-04,
                          -0.764085947576e-08, 0.205305291024e-11,  -0.293359668173e-15};
constexpr double kR3[] = {0.152232118209e+03, -0.268819888545e+00, 0.171280280471e-03,
                          -0.345895706453e-07, -0.934633971046e-14};

// Type S, Pt-10%Rh / Pt, NIST Monograph 175, same three ranges as type R.
constexpr double kS1[] = {0.0,
                          0.540313308631e-02,
                          0.125934289740e-04,
                          -0.232477968689e-07,
                          0.322028823036e-10,
                          -0.331465196389e-13,
                          0.255744251786e-16,
                          -0.125068871393e-19,
                          0.271443176145e-23};
constexpr double kS2[] = {0.132900444085e+01, 0.334509311344e-02, 0.654805192818e-05,
                          -0.164856259209e-08, 0.129989605174e-13};
constexpr double kS3[] = {0.146628232636e+03, -0.258430516752e+00, 0.163693574641e-03,
                          -0.330439046987e-07, -0.943223690612e-14};

// Type T, Cu / Cu-Ni, NIST Monograph 175, -270..0 and 0..400 °C.
constexpr double kT1[] = {0.0,
                          0.387481063640e-01,
                          0.441944343470e-04,
                          0.118443231050e-06,
                          0.200329735540e-07,
                          0.901380195590e-09,
                          0.226511565930e-10,
                          0.360711542050e-12,
                          0.384939398830e-14,
                          0.282135219250e-16,
                          0.142515947790e-18,
                          0.487686622860e-21,
                          0.107955392700e-23,
                          0.139450270620e-26,
                          0.797951539270e-30};
constexpr double kT2[] = {0.0,
                          0.387481063640e-01,
                          0.332922278800e-04,
                          0.206182434040e-06,
                          -0.218822568460e-08,
                          0.109968809280e-10,
                          -0.308157587720e-13,
                          0.454791352900e-16,
                          -0.275129016730e-19};

struct Function {
    double low;
    Piece pieces[3];
    int count;
};

const Function& functionOf(Thermocouple type) {
    static const Function kB{0.0, {piece(630.615, kB1), piece(1820.0, kB2)}, 2};
    static const Function kE{-270.0, {piece(0.0, kE1), piece(1000.0, kE2)}, 2};
    static const Function kJ{-210.0, {piece(760.0, kJ1), piece(1200.0, kJ2)}, 2};
    static const Function kK{-270.0, {piece(0.0, kK1), piece(1372.0, kK2)}, 2};
    static const Function kN{-270.0, {piece(0.0, kN1), piece(1300.0, kN2)}, 2};
    static const Function kR{
        -50.0, {piece(1064.18, kR1), piece(1664.5, kR2), piece(1768.1, kR3)}, 3};
    static const Function kS{
        -50.0, {piece(1064.18, kS1), piece(1664.5, kS2), piece(1768.1, kS3)}, 3};
    static const Function kT{-270.0, {piece(0.0, kT1), piece(400.0, kT2)}, 2};
    switch (type) {
        case Thermocouple::B:
            return kB;
        case Thermocouple::E:
            return kE;
        case Thermocouple::J:
            return kJ;
        case Thermocouple::K:
            return kK;
        case Thermocouple::N:
            return kN;
        case Thermocouple::R:
            return kR;
        case Thermocouple::S:
            return kS;
        case Thermocouple::T:
            return kT;
        case Thermocouple::L:
            break;
    }
    return kJ;
}

double horner(const Piece& p, double t) {
    double e = 0.0;
    for (int i = p.count - 1; i >= 0; --i) e = e * t + p.c[i];
    return e;
}

}  // namespace

CelsiusRange ThermocoupleRange(Thermocouple type) {
    if (type == Thermocouple::L) return {-200.0, 900.0};
    const Function& f = functionOf(type);
    return {f.low, f.pieces[f.count - 1].high};
}

double ThermocoupleMillivolts(Thermocouple type, double t) {
    if (type == Thermocouple::L) return TypeLMillivolts(t);
    const Function& f = functionOf(type);
    int i = 0;
    while (i < f.count - 1 && t > f.pieces[i].high) ++i;
    double e = horner(f.pieces[i], t);
    if (type == Thermocouple::K && t > 0.0) {
        const double d = t - kKa2;
        e += kKa0 * std::exp(kKa1 * d * d);
    }
    return e;
}

double ThermocoupleCelsius(Thermocouple type, double millivolts) {
    const CelsiusRange r = ThermocoupleRange(type);
    return SolveIncreasing([type](double t) { return ThermocoupleMillivolts(type, t); }, millivolts,
                           r.low, r.high);
}

}  // namespace lmk17::reference
