#include "sim_transmitter.h"

#include "config/catalogue.h"
#include "config/cjc_sensor.h"
#include "config/identification_text.h"
#include "config/transmitter_config.h"
#include "files/ptf_reader.h"
#include "link/link_request.h"
#include "sim_parameters.h"

namespace lmk17::sim {

namespace {

// The fixed sum parameter 213 carries; 210 and 211 are scaled by it.
constexpr double kCjReference = 1000.0;
// What parameter 211 carries: the reading of the compensation branch.
constexpr double kCjBranch = 2.5;

constexpr int kAnswerWithData = 8;
constexpr int kBadParameters = 2;
constexpr int kBadFunction = 3;
constexpr int kDeviceErrorBit = 0x04;

}  // namespace

QByteArray TransmitterProfile::identificationText() const {
    if (!identification.isEmpty()) return identification.toLatin1().left(32);
    const QString version =
        QStringLiteral("%1.%2").arg(firmware / 100).arg(firmware % 100, 2, 10, QLatin1Char('0'));
    if (fixedRange)
        return (typeName + QStringLiteral("; rev. ") + QString(version).replace('.', ','))
            .toLatin1()
            .left(32);
    return (typeName + QStringLiteral(", FW ") + version).toLatin1().left(32);
}

namespace {

void FitElsewhere(TransmitterConfig& c) {
    constexpr double kRelative = 5e-6;
    double sign = 1.0;
    for (auto& row : c.LinSegTable)
        for (double& v : row) {
            v *= 1.0 + sign * kRelative;
            sign = -sign;
        }
    for (double& v : c.CjcPoly) {
        v *= 1.0 + sign * kRelative;
        sign = -sign;
    }
}

}  // namespace

SimTransmitter::SimTransmitter(const TransmitterProfile& profile)
    : spec_(profile), typeIndex_(FindType(profile.typeName)), rng_(profile.seed) {
    TransmitterConfig config =
        DefaultConfig(typeIndex_, spec_.rangeCode, spec_.address, spec_.serial);
    if (spec_.foreignTables) FitElsewhere(config);
    memory_ = MemoryFromConfig(config, spec_.firmware, typeIndex_,
                               {spec_.manufacturer.toLatin1(), spec_.identificationText(),
                                spec_.manufactureDate.toLatin1()});
    memory_.integers[200] = std::int32_t(spec_.workingTimeS);
    running_.start();
}

bool SimTransmitter::hasComparators() const {
    const TransmitterTypeEntry* type = TypeAt(typeIndex_);
    return !(type && type->D);
}

bool SimTransmitter::owns(const SimRequest& r) const {
    return r.da == spec_.address && r.foldedAddress() == spec_.address;
}

int SimTransmitter::control(int code) const {
    return code | (spec_.deviceErrors & 0x7F ? kDeviceErrorBit : 0);
}

SimTransmitter::Answer SimTransmitter::handle(const SimRequest& r) {
    Answer a;
    if (r.operation != 1 && r.operation != 2) {
        a.code = kBadFunction;
        return a;
    }
    const SimParameter* p = FindSimParameter(r.parameter());
    const bool rowOk =
        !r.isBlock() || (r.row < (p ? p->rows : 0) && r.subIndex == 0 && r.count * r.size == 4);
    if (!p || !Carries(*p, spec_.firmware, hasComparators()) || p->type != r.type || !rowOk) {
        a.code = kBadParameters;
        return a;
    }
    if (r.operation == 1) {
        a.isLong = true;
        a.code = kAnswerWithData;
        a.type = r.type;
        a.value = readValue(p->number, r.row);
        return a;
    }
    if (!p->writable) {
        a.code = kBadFunction;
        return a;
    }
    a.code = writeValue(r);
    a.memoryChanged = a.code == 0 && p->stored;
    return a;
}

int SimTransmitter::writeValue(const SimRequest& r) {
    const int p = r.parameter();
    const int width = r.type == TypeInt16 ? 2 : 4;
    const int needed = r.isBlock() ? 16 : width;
    if (r.value.size() < needed) return kBadParameters;
    switch (r.type) {
        case TypeInt16:
        case TypeInt32: {
            const std::int32_t v = ReadWireInt(r.value, 0, width);
            // A transmitter made for one input range keeps it.
            if (p == 110 && spec_.fixedRange && (v & 0xFF) != (memory_.integers[110] & 0xFF))
                return kBadParameters;
            memory_.integers[p] = r.type == TypeInt16 ? (v & 0xFFFF) : v;
            return 0;
        }
        case TypeFloat: {
            const double v = ReadWireFloat(r.value, 0);
            if (p == 220) {
                // A negative value (the program sends -200) ends the test mode;
                // anything else drives the output to that value.
                testMode_ = v >= 0;
                testValue_ = v;
                return 0;
            }
            memory_.reals[p] = v;
            return 0;
        }
        case TypeText:
            memory_.texts[{p, r.row}] = r.value.left(16);
            return 0;
        case TypeBlock:
            memory_.blocks[{p, r.row}] = ReadWireBlock(r.value, 0);
            return 0;
    }
    return kBadParameters;
}

double SimTransmitter::real(int parameter) const {
    const auto it = memory_.reals.find(parameter);
    return it == memory_.reals.end() ? 0.0 : it->second;
}

double SimTransmitter::pvNow() {
    const double lower = real(1);
    return spec_.pv.value(running_.elapsed() / 1000.0, lower, lower + real(2), rng_);
}

std::int64_t SimTransmitter::workingTimeS() const {
    const auto it = memory_.integers.find(200);
    const std::int64_t base = it == memory_.integers.end() ? 0 : it->second;
    return base + running_.elapsed() / 1000;
}

// The output as the normalised position the 1.90 firmware reports.
double SimTransmitter::outputPosition() {
    const double gain = memory_.reals.count(163) ? real(163) : 1.0;
    const double offset = real(164);
    if (testMode_) return testValue_ * gain + offset;
    const double span = real(2);
    const double f = span != 0.0 ? (pvNow() - real(1)) / span : 0.0;
    return f * gain + offset;
}

double SimTransmitter::cjValue(int parameter) const {
    const double r = CjcCelsiusToOhm(spec_.cjTemperature);
    const TransmitterTypeEntry* type = TypeAt(typeIndex_);
    // Types with their own cold-junction sensor (flag B) report the sensor
    // alone; the others report it together with the compensation branch.
    const bool ownSensor = type && type->B;
    switch (parameter) {
        case 210:
            return r * kCjReference + (ownSensor ? 0.0 : kCjBranch);
        case 211:
            return kCjBranch;
        default:
            return kCjReference;
    }
}

QByteArray SimTransmitter::readValue(int p, int row) {
    switch (p) {
        case 0:
            return WireFloat(pvNow());
        case 30:
            return WireFloat(outputPosition());
        case 200: {
            const std::int64_t s = workingTimeS();
            return WireInt32(std::int32_t(spec_.firmware < 170 ? s / 10 : s));
        }
        case 210:
        case 211:
        case 213:
            return WireFloat(cjValue(p));
        case 215:
            return WireInt16(spec_.deviceErrors & 0x7F);
        case 220:
            // Outside the test mode the older firmware answers a negative
            // value, 1.90 and later a value far outside the normalised range.
            if (testMode_) return WireFloat(testValue_);
            return WireFloat(spec_.firmware >= 190 ? 200.0 : -200.0);
    }
    const SimParameter* sp = FindSimParameter(p);
    switch (sp->type) {
        case TypeInt16:
            return WireInt16(memory_.integers[p]);
        case TypeInt32:
            return WireInt32(memory_.integers[p]);
        case TypeFloat:
            return WireFloat(real(p));
        case TypeText: {
            const auto it = memory_.texts.find({p, row});
            return it == memory_.texts.end() ? QByteArray(16, ' ') : TextRow(it->second, 0);
        }
        case TypeBlock: {
            const auto it = memory_.blocks.find({p, row});
            return WireBlock(it == memory_.blocks.end() ? std::array<double, 4>{} : it->second);
        }
    }
    return QByteArray();
}

QJsonObject SimTransmitter::toJson() const {
    TransmitterMemory m = memory_;
    m.integers[200] = std::int32_t(workingTimeS());
    return QJsonObject{{"address", spec_.address},
                       {"type", spec_.typeName},
                       {"firmware", spec_.firmware},
                       {"fixedRange", spec_.fixedRange},
                       {"memory", m.toJson()}};
}

bool SimTransmitter::fromJson(const QJsonObject& o, TransmitterProfile& profile,
                              TransmitterMemory& m) {
    if (!o.value(QLatin1String("address")).isDouble() ||
        !o.value(QLatin1String("type")).isString() ||
        !o.value(QLatin1String("firmware")).isDouble())
        return false;
    TransmitterMemory memory;
    if (!memory.fromJson(o.value(QLatin1String("memory")).toObject())) return false;
    profile.address = o.value(QLatin1String("address")).toInt();
    profile.typeName = o.value(QLatin1String("type")).toString();
    profile.firmware = o.value(QLatin1String("firmware")).toInt();
    profile.fixedRange = o.value(QLatin1String("fixedRange")).toBool();
    profile.serial = memory.integers[101];
    m = std::move(memory);
    return true;
}

bool SimTransmitter::fromPtf(TransmitterProfile& profile, TransmitterMemory& memory,
                             QString* error) {
    const PtfReadResult read = ReadConfigFile(profile.ptfPath);
    if (!read.ok()) {
        if (error) *error = read.error;
        return false;
    }
    const TransmitterConfig& c = *read.config;
    const IdentificationText id = ParseIdentificationText(c.TransmitterType);
    if (!id.typeText.isEmpty()) profile.typeName = id.typeText;
    if (id.firmware > 0) profile.firmware = id.firmware;
    profile.fixedRange = id.fixedRange;
    if (c.SerialNumber >= 0) profile.serial = c.SerialNumber;
    if (!c.TransmitterType.trimmed().isEmpty())
        profile.identification = QString::fromLatin1(c.TransmitterType);
    const int typeIndex = FindType(profile.typeName);
    memory = MemoryFromConfig(c, profile.firmware, typeIndex,
                              {c.Manufacturer, profile.identificationText(), c.ManufactureDate});
    memory.integers[101] = profile.serial;
    memory.integers[200] = c.WorkingTime;
    return true;
}

}  // namespace lmk17::sim
