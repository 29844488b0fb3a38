#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "link/line_scan.h"
#include "operations/device_identity.h"

namespace lmk17 {

class TransmitterStack;

// A transmitter the search found, with what its identification told.
struct FoundTransmitter {
    ScanHit hit;
    bool identified = false;  // false: it answered, identification failed
    DeviceIdentity identity;

    // The list's cells: firmware "1.91", the input range's name; empty
    // when not known.
    QString firmwareText() const;
    QString rangeText() const;
};

// "Search…" of the options dialog: probes the line (LineScan) and then
// identifies each transmitter that answered at its own address, speed and
// parity, as the command line's scan does. The program's communication
// parameters are the same afterwards as before; picking a transmitter found
// is use(). Runs on the event loop: the
// window stays live and Cancel ends the search within the probe under way.
class TransmitterSearch : public QObject {
    Q_OBJECT
public:
    explicit TransmitterSearch(TransmitterStack& stack, QObject* parent = nullptr);
    ~TransmitterSearch() override;

    // The whole sweep (every address, speed and parity, the stored ones
    // first); `all`: go on after the first transmitter.
    static LineScan::Plan DefaultPlan(TransmitterStack& stack, bool all);

    // False when the port is not open or an operation runs.
    bool start(const LineScan::Plan& plan);
    void cancel();
    bool running() const { return running_; }
    bool cancelled() const { return cancelled_; }
    int probes() const { return scan_.total(); }
    const std::vector<FoundTransmitter>& found() const { return found_; }
    // Whether found()[index] may be picked now: only once the search has
    // ended, so that the port has its own settings back first.
    bool canUse(int index) const;
    // Makes found()[index] the program's transmitter (UseFoundTransmitter);
    // false when it cannot be used now.
    bool use(int index);

signals:
    // Before each probe (0-based) of probes(); then one step per
    // identification.
    void progressed(int done, int total);
    void transmitterFound(const FoundTransmitter& transmitter);
    // What canUse() says may have changed (the search started or ended).
    void usabilityChanged();
    void finished();

private:
    void scanFinished();
    void identifyNext();
    void identified();
    void finish();

    TransmitterStack& stack_;
    LineScan scan_;
    std::vector<FoundTransmitter> found_;
    std::vector<ScanHit> toIdentify_;
    size_t next_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    bool identifying_ = false;
    int savedBaudIndex_ = 0;
    int savedParityIndex_ = 0;
    int savedAddress_ = 0;
    QMetaObject::Connection ended_;
};

}  // namespace lmk17
