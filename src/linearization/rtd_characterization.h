#pragma once

#include <QString>

#include "common/user_interaction.h"
#include "linearization/lin_approximation.h"
#include "linearization/lin_pom.h"

namespace lmk17 {

// Callendar-Van Dusen constants of the standard platinum sensor (IEC 751/A2).
inline constexpr double kRtdStandardA = 0.0039083;
inline constexpr double kRtdStandardB = -5.775e-07;
inline constexpr double kRtdStandardC = -4.183e-12;

inline constexpr double kRtdMinT1 = -200.0;
inline constexpr double kRtdMaxT1 = 850.0;

enum RtdMethod : quint8 {
    kRtdConstants = 0,   // A, B, C and R0 entered
    kRtdOnePointR0 = 1,  // R0 entered, standard A, B, C
    kRtdOnePointT1 = 2,  // resistance RT1 at temperature T1 entered
};

struct RtdConstants {
    double A = kRtdStandardA;
    double B = kRtdStandardB;
    double C = kRtdStandardC;
    double R0 = 100.0;
};

// 1000 ohm on the 4000 ohm range (input type 92), 100 ohm otherwise.
double DefaultRtdR0(int rangeIndex);

// The sensor's resistance at t degrees Celsius (the C term below 0 degrees).
double RtdResistance(const RtdConstants& k, double t);

// R0 of a standard sensor that has resistance rt1 at t1; 0 when the
// arithmetic fails.
double RtdR0FromPoint(double t1, double rt1);

// The texts of the fields of the "Sensor Specific Characterization" page.
struct RtdFields {
    int method = kRtdConstants;  // 0 while the constants page is active, else the radio choice
    QString A, B, C, R0;         // constants page
    QString OnePointR0;          // one-point page, "Resistance at Temperature 0°C:"
    QString RT1, T1;             // one-point page, "Resistance at Temperature T1:"
};

enum class RtdField { None, A, B, C, R0, OnePointR0, RT1, T1 };

// RtdCoeff2LinPom: reads and checks the fields into the record's RTD values
// and shows the values back in the fields. On failure the message has been
// shown through `ui` and `focus` names the field to correct.
bool RtdCoeff2LinPom(RtdFields& fields, LinPom& pom, int rangeIndex, UserInteraction& ui,
                     RtdField* focus = nullptr);

// LinPom2RtdCoeff: the fields showing the record's RTD values.
RtdFields LinPom2RtdCoeff(const LinPom& pom);

// "Default Constants (IEC 751/A2)": standard A, B, C, the range's default R0,
// method 0.
void SetStandardRtdConstants(LinPom& pom, int rangeIndex);

// The constants a calculation uses for the record's method: the entered ones
// (method 0), or the standard A, B, C with R0 entered (1) or derived from
// (T1, RT1) (2).
RtdConstants RtdConstantsOf(const LinPom& pom);

// NaplnXY_Pt: replaces LinPoints by up to 64 (resistance, temperature) points
// of the sensor at the midpoints of 8 x 8 equal parts of -202..852 degrees,
// keeping those inside the range's input limits, and prepares the record
// for their approximation (X limits from the points, provisional PV limits,
// degrees Celsius, one decimal place).
void NaplnXY_Pt(LinData& data, int rangeIndex, const RtdConstants& k);

// "Calculate Linearization according to Constants" after a successful
// validation: generates the points and approximates them. False when the
// approximation is refused (fewer than 2 points within the range).
bool RtdCalculate(LinData& data, int rangeIndex, ApproximationErrors* errors = nullptr);

}  // namespace lmk17
