#include "linearization/rtd_characterization.h"

#include "linearization/lin_texts.h"

#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "linearization/lin_text.h"

namespace lmk17 {

namespace {

constexpr int kPt100Type = 11;
constexpr int kRtd4000Type = 92;

QString FormatMessage() {
    return LinTexts::tr("Incorrect Format of the Value: ") +
           LinTexts::tr("Sensor-Specific Constants.");
}

// Reads one field; an unparsable text stores 0 and reports the field.
bool ReadField(QString& text, double& target, RtdField field, UserInteraction& ui,
               RtdField* focus) {
    const std::optional<double> v = ParseDecimal(text);
    if (!v) {
        target = 0.0;
        ui.message(MessageKind::Error, FormatMessage());
        if (focus) *focus = field;
        return false;
    }
    target = *v;
    return true;
}

// The resistance must not exceed the range's upper input limit.
bool WithinUpperLimit(double r, const char* name, int rangeIndex, UserInteraction& ui) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    if (!range) return false;
    if (r <= range->Defaults[kDefUpperRange]) return true;
    ui.message(
        MessageKind::Warning,
        LinTexts::tr("Attention! Value %1 is bigger than upper limit selected input range %2.")
            .arg(QLatin1String(name), QString(range->ShortCode)));
    return false;
}

bool ReadResistance(QString& text, double& target, RtdField field, const char* name, int rangeIndex,
                    UserInteraction& ui, RtdField* focus) {
    if (!ReadField(text, target, field, ui, focus)) return false;
    target = std::max(target, 0.0);
    text = FieldText(target);
    if (WithinUpperLimit(target, name, rangeIndex, ui)) return true;
    if (focus) *focus = field;
    return false;
}

}  // namespace

double DefaultRtdR0(int rangeIndex) {
    const InputRangeEntry* range = RangeAt(rangeIndex);
    return range && range->Code == kRtd4000Type ? 1000.0 : 100.0;
}

double RtdResistance(const RtdConstants& k, double t) {
    if (t < 0) return k.R0 * (1 + k.A * t + k.B * t * t + k.C * (t - 100) * t * t * t);
    return k.R0 * (1 + k.A * t + k.B * t * t);
}

double RtdR0FromPoint(double t1, double rt1) {
    const RtdConstants unit{kRtdStandardA, kRtdStandardB, kRtdStandardC, 1.0};
    const double r0 = rt1 / RtdResistance(unit, t1);
    return std::isfinite(r0) ? r0 : 0.0;
}

bool RtdCoeff2LinPom(RtdFields& f, LinPom& pom, int rangeIndex, UserInteraction& ui,
                     RtdField* focus) {
    if (focus) *focus = RtdField::None;
    const int method = std::clamp(f.method, 0, 2);
    pom.RtdMethod = quint8(method);
    if (method == kRtdConstants) {
        if (!ReadField(f.A, pom.RtdA, RtdField::A, ui, focus)) return false;
        if (!ReadField(f.B, pom.RtdB, RtdField::B, ui, focus)) return false;
        if (!ReadField(f.C, pom.RtdC, RtdField::C, ui, focus)) return false;
        f.A = FieldText(pom.RtdA);
        f.B = FieldText(pom.RtdB);
        f.C = FieldText(pom.RtdC);
        return ReadResistance(f.R0, pom.RtdR0, RtdField::R0, "R0", rangeIndex, ui, focus);
    }
    if (method == kRtdOnePointR0)
        return ReadResistance(f.OnePointR0, pom.RtdR0, RtdField::OnePointR0, "R0", rangeIndex, ui,
                              focus);
    if (!ReadResistance(f.RT1, pom.RtdR0, RtdField::RT1, "Rt", rangeIndex, ui, focus)) return false;
    if (!ReadField(f.T1, pom.RtdA, RtdField::T1, ui, focus)) return false;
    pom.RtdA = std::clamp(pom.RtdA, kRtdMinT1, kRtdMaxT1);
    f.T1 = FieldText(pom.RtdA);
    pom.RtdB = 0.0;
    pom.RtdC = 0.0;
    return true;
}

RtdFields LinPom2RtdCoeff(const LinPom& pom) {
    RtdFields f;
    f.method = pom.RtdMethod;
    switch (pom.RtdMethod) {
        case kRtdConstants:
            f.A = FieldText(pom.RtdA);
            f.B = FieldText(pom.RtdB);
            f.C = FieldText(pom.RtdC);
            f.R0 = FieldText(pom.RtdR0);
            break;
        case kRtdOnePointR0:
            f.OnePointR0 = FieldText(pom.RtdR0);
            break;
        default:
            f.RT1 = FieldText(pom.RtdR0);
            f.T1 = FieldText(pom.RtdA);
            break;
    }
    return f;
}

void SetStandardRtdConstants(LinPom& pom, int rangeIndex) {
    pom.RtdA = kRtdStandardA;
    pom.RtdB = kRtdStandardB;
    pom.RtdC = kRtdStandardC;
    pom.RtdR0 = DefaultRtdR0(rangeIndex);
    pom.RtdMethod = kRtdConstants;
}

RtdConstants RtdConstantsOf(const LinPom& pom) {
    switch (pom.RtdMethod) {
        case kRtdConstants:
            return {pom.RtdA, pom.RtdB, pom.RtdC, pom.RtdR0};
        case kRtdOnePointR0:
            return {kRtdStandardA, kRtdStandardB, kRtdStandardC, pom.RtdR0};
        default:
            return {kRtdStandardA, kRtdStandardB, kRtdStandardC,
                    RtdR0FromPoint(pom.RtdA, pom.RtdR0)};
    }
}

void NaplnXY_Pt(LinData& data, int rangeIndex, const RtdConstants& k) {
    LinPom& pom = data.pom;
    const StandardTable pt100 = LoadStandardTables(kPt100Type);
    StandardToLinPom(pt100, pom);
    const double t0 = pt100.rows[0][2];
    const double part = (pt100.rows[0][3] - t0) / 8.0;

    const InputRangeEntry* range = RangeAt(rangeIndex);
    const double lower = range ? range->Defaults[kDefLowerRange] : 0.0;
    const double upper = range ? range->Defaults[kDefUpperRange] : 0.0;
    data.LinPoints.Clear();
    for (int g = 0; g < 8; ++g) {
        const double ta = t0 + part * g;
        const double step = (t0 + part * (g + 1) - ta) / 16.0;
        for (int i = 1; i <= 8; ++i) {
            const double t = ta + (2 * i - 1) * step;
            const double r = RtdResistance(k, t);
            if (lower <= r && r <= upper) data.LinPoints.Append(r, t);
        }
    }

    const LinPointTable& pts = data.LinPoints;
    if (pts.count > 0) {
        pom.XStart() = InputToInternal(rangeIndex, pts[0].x);
        pom.XEnd() = InputToInternal(rangeIndex, pts[pts.count - 1].x);
        double lo = pts[0].y, hi = pts[0].y;
        for (int i = 1; i < pts.count; ++i) {
            lo = std::min(lo, pts[i].y);
            hi = std::max(hi, pts[i].y);
        }
        pom.YStart() = lo - std::fabs(lo * 0.01);
        pom.YEnd() = hi + std::fabs(hi * 0.01);
    }
    pom.PvUnit = 32;  // degrees Celsius
    pom.SetDecimalPlaces(1);
}

bool RtdCalculate(LinData& data, int rangeIndex, ApproximationErrors* errors) {
    NaplnXY_Pt(data, rangeIndex, RtdConstantsOf(data.pom));
    return ProlozLinTab(data, rangeIndex, errors);
}

}  // namespace lmk17
