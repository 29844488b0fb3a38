#pragma once

#include <QByteArray>
#include <QObject>
#include <optional>
#include <vector>

#include "common/line_codes.h"
#include "link/link_timing.h"

namespace lmk17 {

class TCommPortDriver;
class TransactionEngine;

// One speed and parity of the line.
struct ScanSetting {
    int baud = 2400;
    LinkParity parity = LinkParity::Odd;
    bool operator==(const ScanSetting&) const = default;
};

// The settings to try, most likely first: the defaults (2400 Bd, odd), the
// stored ones, then the rest by baud rate from high to low, each with odd,
// even and no parity. Only those in `bauds` and `parities` are tried.
std::vector<ScanSetting> ScanOrder(const std::vector<int>& bauds,
                                   const std::vector<LinkParity>& parities,
                                   const std::optional<ScanSetting>& stored);

// How long a probe at `baud` waits: for the first byte of an answer (the wire
// time of the request and one byte, plus the device's allowance) and, once
// one has come, for the whole answer (its wire time and the allowance).
// 11 bits a byte whatever the parity.
LinkTiming ProbeTiming(int baud, int allowanceMs);
// The allowance measured against the simulator at 19200 Bd, with room for a
// transmitter's own time to answer.
constexpr int kDefaultProbeAllowanceMs = 10;

// A transmitter that answered: where, and the serial number it gave.
struct ScanHit {
    int address = 0;
    ScanSetting setting;
    qint32 serial = 0;
};

// Probes every address at every setting with one short read (the serial
// number) and reports what answers. Stops at the first transmitter unless
// all are asked for. Echo and noise on the line are dropped as in every
// exchange; an answer is taken for the address it comes from, so a late one
// is never put down to the next address. The port's speed and parity and
// the engine's timing are restored at the end.
class LineScan : public QObject {
    Q_OBJECT
public:
    struct Plan {
        std::vector<int> addresses;
        std::vector<ScanSetting> settings;
        bool all = false;
        int allowanceMs = kDefaultProbeAllowanceMs;
    };

    LineScan(TCommPortDriver& port, TransactionEngine& engine, QObject* parent = nullptr);
    ~LineScan() override;

    // False when the port is not open, an exchange is under way or there is
    // nothing to probe.
    bool start(const Plan& plan);
    // Ends the search at once; the probe on the line is given up.
    void cancel();
    bool running() const { return running_; }
    bool cancelled() const { return cancelled_; }
    int total() const { return int(plan_.addresses.size() * plan_.settings.size()); }
    const std::vector<ScanHit>& hits() const { return hits_; }

signals:
    // Before each probe: its number (0-based) and what it tries.
    void probing(int index, int address, ScanSetting setting);
    void found(const ScanHit& hit);
    void finished();

private:
    void probeNext();
    void probeEnded(int result);
    void finish();

    TCommPortDriver& port_;
    TransactionEngine& engine_;
    Plan plan_;
    std::vector<ScanHit> hits_;
    int index_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    std::optional<ScanSetting> current_;  // the setting the port has now
    QByteArray lastFrame_;                // the last frame taken from the line
    LinkTiming savedTiming_;
    ScanSetting savedSetting_;
    QMetaObject::Connection ended_;
    QMetaObject::Connection received_;
};

}  // namespace lmk17
