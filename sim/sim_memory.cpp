#include "sim_memory.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/transmitter_config.h"

namespace lmk17::sim {

namespace {

QString key(int parameter, int row) {
    return QStringLiteral("%1/%2").arg(parameter).arg(row);
}

bool parseKey(const QString& text, int& parameter, int& row) {
    const QStringList parts = text.split(QLatin1Char('/'));
    bool ok1 = false, ok2 = true;
    parameter = parts.value(0).toInt(&ok1);
    row = parts.size() > 1 ? parts[1].toInt(&ok2) : 0;
    return ok1 && ok2 && parts.size() <= 2;
}

// Below 1.70 the corrections travel as a gain g and an offset o.
void oldCorrections(const TransmitterConfig& c, double& g, double& o) {
    const double l = c.LowerRangeValue, u = c.UpperRangeValue;
    const double d = (u - l) - c.UpperCorrection + c.LowerCorrection;
    if (d == 0.0 || !std::isfinite(d)) {
        g = 1.0;
        o = 0.0;
        return;
    }
    g = (u - l) / d;
    o = l - (u - l) * (l - c.LowerCorrection) / d;
}

std::uint32_t codeOf(const std::array<double, 4>& poly, double x) {
    const double p = ((poly[3] * x + poly[2]) * x + poly[1]) * x + poly[0];
    return std::uint32_t(std::lround(std::clamp(p, 0.0, 65535.0)));
}

}  // namespace

QByteArray TextRow(const QByteArray& text, int row) {
    QByteArray r = text.mid(row * 16, 16);
    return r + QByteArray(16 - r.size(), ' ');
}

QJsonObject TransmitterMemory::toJson() const {
    QJsonObject ints, reals_, texts_, blocks_;
    for (const auto& [p, v] : integers) ints.insert(QString::number(p), v);
    for (const auto& [p, v] : reals) reals_.insert(QString::number(p), v);
    for (const auto& [k, v] : texts) texts_.insert(key(k.first, k.second), QString::fromLatin1(v));
    for (const auto& [k, v] : blocks)
        blocks_.insert(key(k.first, k.second), QJsonArray{v[0], v[1], v[2], v[3]});
    return QJsonObject{
        {"integers", ints}, {"reals", reals_}, {"texts", texts_}, {"blocks", blocks_}};
}

bool TransmitterMemory::fromJson(const QJsonObject& o) {
    if (!o.value(QLatin1String("integers")).isObject() ||
        !o.value(QLatin1String("reals")).isObject())
        return false;
    TransmitterMemory m;
    int p = 0, row = 0;
    const QJsonObject ints = o.value(QLatin1String("integers")).toObject();
    for (auto it = ints.begin(); it != ints.end(); ++it) {
        if (!parseKey(it.key(), p, row)) return false;
        m.integers[p] = std::int32_t(it.value().toDouble());
    }
    const QJsonObject reals_ = o.value(QLatin1String("reals")).toObject();
    for (auto it = reals_.begin(); it != reals_.end(); ++it) {
        if (!parseKey(it.key(), p, row)) return false;
        m.reals[p] = it.value().toDouble();
    }
    const QJsonObject texts_ = o.value(QLatin1String("texts")).toObject();
    for (auto it = texts_.begin(); it != texts_.end(); ++it) {
        if (!parseKey(it.key(), p, row)) return false;
        m.texts[{p, row}] = TextRow(it.value().toString().toLatin1(), 0);
    }
    const QJsonObject blocks_ = o.value(QLatin1String("blocks")).toObject();
    for (auto it = blocks_.begin(); it != blocks_.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        if (!parseKey(it.key(), p, row) || a.size() != 4) return false;
        m.blocks[{p, row}] = {a[0].toDouble(), a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
    }
    *this = std::move(m);
    return true;
}

TransmitterConfig DefaultConfig(int typeIndex, int rangeCode, int address, std::int32_t serial) {
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    if (rangeCode == 0) rangeCode = type ? type->DefaultRange : 11;
    const InputRangeEntry* range = RangeByCode(rangeCode);
    if (!range) range = RangeByCode(11);
    TransmitterConfig c;
    c.LowerRangeValue = range->Defaults[kDefLowerRange];
    c.UpperRangeValue = range->Defaults[kDefUpperRange];
    c.LowerCorrection = range->Defaults[kDefLowerCorrection];
    c.UpperCorrection = range->Defaults[kDefUpperCorrection];
    c.Damping = range->Defaults[kDefDamping];
    c.Comparator1Level = range->Defaults[kDefCmp1Level];
    c.Comparator1Hysteresis = range->Defaults[kDefCmp1Hysteresis];
    c.Comparator2Level = range->Defaults[kDefCmp2Level];
    c.Comparator2Hysteresis = range->Defaults[kDefCmp2Hysteresis];
    c.InputRangeCode = range->Code;
    c.ConnectionCode = range->DefaultConnection;
    c.RangeFlags = range->Flags;
    c.ComparatorFlags = type && !type->D ? type->DefaultComparatorFlags : 0;
    ApplyStandardTables(c, range->Code);
    c.DisplayFactor = range->Factor;
    c.PvUnit = range->PvUnit;
    c.AddressByte = quint8(0xC0 | (address & 0x1F));
    c.BaudCode = 15;
    c.SerialNumber = serial;
    const OutputTypeEntry* out = OutputTypeAt(type ? type->OutputType : 1);
    const double span = out->Span();
    c.SaturationLow = (out->q[2] - out->q[0]) / span;
    c.SaturationHigh = (out->q[3] - out->q[0]) / span;
    c.ErrorLow = (out->q[5] - out->q[0]) / span;
    c.ErrorHigh = (out->q[6] - out->q[0]) / span;
    c.OutputGain = 1.0;
    c.OutputOffset = 0.0;
    // A plausible calibration of the 1.81..1.89 output stage: 2000 codes at
    // the output start, 40000 codes per span.
    c.OutputCodePoly = {2000.0, 40000.0, 0.0, 0.0};
    c.SaturationCodes = codeOf(c.OutputCodePoly, c.SaturationLow) |
                        codeOf(c.OutputCodePoly, c.SaturationHigh) << 16;
    c.ErrorCodes = codeOf(c.OutputCodePoly, c.ErrorLow) | codeOf(c.OutputCodePoly, c.ErrorHigh)
                                                              << 16;
    return c;
}

TransmitterMemory MemoryFromConfig(const TransmitterConfig& c, int fw, int typeIndex,
                                   const IdentityTexts& id) {
    const TransmitterTypeEntry* type = TypeAt(typeIndex);
    const bool comparators = !(type && type->D);
    TransmitterMemory m;
    m.integers[111] = c.RangeFlags;
    m.integers[110] = c.InputRangeCode;
    m.integers[112] = fw >= 170 ? c.ConnectionCode : c.ConnectionCode - 1;
    m.reals[55] = c.DisplayFactor;
    for (int row = 0; row < 9; ++row) {
        std::array<double, 4> v{};
        for (int j = 0; j < 4; ++j) v[size_t(j)] = c.LinSegTable[size_t(j)][size_t(row)];
        m.blocks[{50, row}] = v;
    }
    m.reals[1] = c.LowerRangeValue;
    m.reals[2] = c.UpperRangeValue - c.LowerRangeValue;
    if (fw >= 170) {
        m.reals[3] = c.LowerCorrection;
        m.reals[4] = c.UpperCorrection;
        m.reals[5] = c.Damping;
    } else {
        oldCorrections(c, m.reals[3], m.reals[4]);
        m.reals[5] = (c.Damping >= 0 ? c.Damping - 0.5 : c.Damping + 0.5) * 2.312;
    }
    m.integers[113] = comparators ? c.ComparatorFlags : 0;
    if (comparators) {
        m.reals[90] = c.Comparator1Level;
        m.reals[91] = c.Comparator1Hysteresis;
        m.reals[95] = c.Comparator2Level;
        m.reals[96] = c.Comparator2Hysteresis;
    }
    m.integers[150] = c.AddressByte;
    m.integers[151] = c.BaudCode;
    m.reals[72] = CjcCelsiusToOhm(c.CjTemperature);
    m.integers[51] = c.PvUnit;
    m.blocks[{70, 0}] = c.CjcPoly;
    m.reals[71] = c.LeadResistance1;
    if (fw >= 190) {
        m.reals[73] = c.LeadResistance2;
        m.reals[163] = c.OutputGain;
        m.reals[164] = c.OutputOffset;
        m.blocks[{165, 0}] = {c.ErrorHigh, c.ErrorLow, c.SaturationHigh, c.SaturationLow};
    }
    if (fw >= 191) m.integers[114] = c.FilterFlags;
    m.reals[100] = c.LastChangeDate;
    if (fw >= 181 && fw <= 189) {
        m.blocks[{160, 0}] = c.OutputCodePoly;
        m.integers[161] = std::int32_t(c.SaturationCodes);
        m.integers[162] = std::int32_t(c.ErrorCodes);
    }
    m.texts[{121, 0}] = TextRow(c.UserNote, 0);
    m.texts[{121, 1}] = TextRow(c.UserNote, 1);
    m.texts[{120, 0}] = TextRow(id.manufacturer, 0);
    m.texts[{120, 1}] = TextRow(id.manufacturer, 1);
    m.texts[{120, 2}] = TextRow(id.identification, 0);
    m.texts[{120, 3}] = TextRow(id.identification, 1);
    m.texts[{120, 4}] = TextRow(id.manufactureDate, 0);
    m.texts[{120, 5}] = TextRow(id.manufactureDate, 1);
    m.integers[101] = c.SerialNumber;
    return m;
}

}  // namespace lmk17::sim
