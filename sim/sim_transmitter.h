#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QString>
#include <random>

#include "sim_frame.h"
#include "sim_memory.h"
#include "sim_pv_source.h"

namespace lmk17::sim {

// How a simulated transmitter is made. Any type name and firmware number
// is accepted, also ones this program does not support (to try its refusals).
struct TransmitterProfile {
    int address = 0;
    QString typeName = QStringLiteral("K8620L31");
    int firmware = 191;  // version x 100
    std::int32_t serial = 12345678;
    int rangeCode = 0;  // 0: the type's default range
    bool fixedRange = false;
    // The linearization table and CJ cubic were fitted elsewhere (at the
    // factory, by another tool): every coefficient differs from the
    // catalogue's in its last digits (5 parts in a million), which changes
    // what the transmitter measures by hundredths of a degree at most.
    bool foreignTables = false;
    QString identification;  // empty: "<type>, FW 1.91" (";" and "rev. 1,91" for a fixed range)
    QString manufacturer = QStringLiteral("lmk17-sim software transmitter");
    QString manufactureDate = QStringLiteral("Made 17.05.2024");
    PvSource pv;
    int deviceErrors = 0;  // bits 0..6 of parameter 215
    double cjTemperature = 23.0;
    std::int64_t workingTimeS = 42 * 86400;
    quint32 seed = 1;
    // A configuration file whose record the transmitter holds (its type,
    // firmware, serial number and texts come from the file as well).
    QString ptfPath;

    QByteArray identificationText() const;
};

// One transmitter on the line: its memory and its live values.
class SimTransmitter {
public:
    struct Answer {
        bool isLong = false;
        int code = 0;  // answer code of a short answer
        int type = 0;  // data type of a long answer
        QByteArray value;
        bool memoryChanged = false;
    };

    explicit SimTransmitter(const TransmitterProfile& profile);

    const TransmitterProfile& profile() const { return spec_; }
    int address() const { return spec_.address; }
    int firmware() const { return spec_.firmware; }
    int typeIndex() const { return typeIndex_; }
    bool hasComparators() const;

    // Whether a request is this transmitter's own: its address as DA and
    // folded into the parameter address.
    bool owns(const SimRequest& r) const;
    Answer handle(const SimRequest& r);
    // The control byte of an answer with this code (device-error bit added).
    int control(int code) const;

    TransmitterMemory& memory() { return memory_; }
    const TransmitterMemory& memory() const { return memory_; }
    void setDeviceErrors(int bits) { spec_.deviceErrors = bits; }
    void setPv(const PvSource& pv) { spec_.pv = pv; }
    bool testMode() const { return testMode_; }
    double pvNow();
    std::int64_t workingTimeS() const;

    // The state file's picture of this transmitter, and back.
    QJsonObject toJson() const;
    static bool fromJson(const QJsonObject& object, TransmitterProfile& profile,
                         TransmitterMemory& memory);
    // The memory of a transmitter that was written the configuration in
    // profile.ptfPath; profile takes type, firmware, fixed range and serial number
    // from the file's identification. False with the reader's message.
    static bool fromPtf(TransmitterProfile& profile, TransmitterMemory& memory, QString* error);
    void restore(const TransmitterMemory& memory) { memory_ = memory; }

private:
    QByteArray readValue(int parameter, int row);
    int writeValue(const SimRequest& r);
    double real(int parameter) const;
    double outputPosition();
    double cjValue(int parameter) const;

    TransmitterProfile spec_;
    int typeIndex_ = 0;
    TransmitterMemory memory_;
    QElapsedTimer running_;
    std::mt19937 rng_;
    bool testMode_ = false;
    double testValue_ = 0.0;
};

}  // namespace lmk17::sim
