#include "app/transmitter_search.h"

#include <QTimer>
#include <algorithm>

#include "app/port_settings.h"
#include "config/catalogue.h"
#include "link/link_parameters.h"
#include "link/port_connection.h"
#include "link/transaction_engine.h"
#include "operations/transmitter_session.h"
#include "stack/transmitter_stack.h"

namespace lmk17 {

QString FoundTransmitter::firmwareText() const {
    const int number = identified ? identity.firmwareNumber() : 0;
    return number > 0 ? QString::number(number / 100.0, 'f', 2) : QString();
}

QString FoundTransmitter::rangeText() const {
    const InputRangeEntry* range = identified ? RangeAt(identity.rangeIndex) : nullptr;
    return range ? RangeName(*range).trimmed() : QString();
}

TransmitterSearch::TransmitterSearch(TransmitterStack& stack, QObject* parent)
    : QObject(parent), stack_(stack), scan_(stack.port(), stack.engine()) {
    connect(&scan_, &LineScan::probing, this,
            [this](int index) { emit progressed(index, scan_.total()); });
    connect(&scan_, &LineScan::finished, this, &TransmitterSearch::scanFinished);
}

TransmitterSearch::~TransmitterSearch() {
    // The port gets its settings back; nobody is told any more.
    blockSignals(true);
    cancel();
    disconnect(ended_);  // an identification stopped just now ends here
    finish();
}

LineScan::Plan TransmitterSearch::DefaultPlan(TransmitterStack& stack, bool all) {
    const LinkSettings& now = stack.connection().settings();
    std::vector<int> bauds;
    for (const BaudRateEntry& e : kBaudRates) bauds.push_back(e.rate);
    LineScan::Plan plan;
    for (int a = 0; a <= 31; ++a) plan.addresses.push_back(a);
    const ScanSetting stored{kBaudRates[std::clamp(now.baudIndex, 0, kBaudRateCount - 1)].rate,
                             LinkParity(std::clamp(now.parityIndex, 0, 2))};
    plan.settings = ScanOrder(bauds, {LinkParity::Odd, LinkParity::Even, LinkParity::None}, stored);
    plan.all = all;
    return plan;
}

bool TransmitterSearch::start(const LineScan::Plan& plan) {
    if (running_ || !stack_.idle()) return false;
    found_.clear();
    toIdentify_.clear();
    next_ = 0;
    cancelled_ = false;
    identifying_ = false;
    if (!scan_.start(plan)) return false;
    running_ = true;
    emit usabilityChanged();
    const LinkSettings& now = stack_.connection().settings();
    savedBaudIndex_ = now.baudIndex;
    savedParityIndex_ = now.parityIndex;
    savedAddress_ = now.transmitterAddress;
    return true;
}

void TransmitterSearch::cancel() {
    if (!running_) return;
    cancelled_ = true;
    if (scan_.running()) {
        scan_.cancel();  // scanFinished() ends the search
        return;
    }
    if (identifying_ && stack_.session().busy()) {
        stack_.engine().StopOperation();  // identified() ends the search
        return;
    }
    finish();
}

void TransmitterSearch::scanFinished() {
    if (!running_) return;
    toIdentify_ = scan_.hits();
    if (cancelled_) {
        // What answered before the cancel is still worth listing, unnamed.
        for (const ScanHit& hit : toIdentify_) {
            FoundTransmitter t;
            t.hit = hit;
            found_.push_back(t);
        }
        return finish();
    }
    // From the event loop: the scan has just restored the port.
    QTimer::singleShot(0, this, [this] {
        if (running_) identifyNext();
    });
}

void TransmitterSearch::identifyNext() {
    if (cancelled_ || next_ >= toIdentify_.size()) return finish();
    const ScanHit& hit = toIdentify_[next_];
    emit progressed(scan_.total() + int(next_), scan_.total() + int(toIdentify_.size()));
    PortConnection& connection = stack_.connection();
    connection.setBaudIndex(BaudIndexFromRate(hit.setting.baud));
    connection.setParityIndex(int(hit.setting.parity));
    connection.setTransmitterAddress(hit.address);
    identifying_ = true;
    ended_ = connect(&stack_.session(), &TransmitterSession::operationEnded, this,
                     &TransmitterSearch::identified, Qt::QueuedConnection);
    if (!stack_.session().identify()) {
        disconnect(ended_);
        identified();
    }
}

void TransmitterSearch::identified() {
    disconnect(ended_);
    if (!identifying_) return;
    identifying_ = false;
    if (!running_ || next_ >= toIdentify_.size()) return;
    FoundTransmitter t;
    t.hit = toIdentify_[next_];
    const OperationOutcome outcome = stack_.session().lastOutcome();
    t.identified = outcome == OperationOutcome::Completed || outcome == OperationOutcome::Refused;
    if (t.identified) t.identity = stack_.session().lastIdentified();
    found_.push_back(t);
    emit transmitterFound(t);
    ++next_;
    identifyNext();
}

void TransmitterSearch::finish() {
    if (!running_) return;
    running_ = false;
    PortConnection& connection = stack_.connection();
    connection.setBaudIndex(savedBaudIndex_);
    connection.setParityIndex(savedParityIndex_);
    connection.setTransmitterAddress(savedAddress_);
    emit usabilityChanged();
    emit finished();
}

bool TransmitterSearch::canUse(int index) const {
    return !running_ && index >= 0 && size_t(index) < found_.size();
}

bool TransmitterSearch::use(int index) {
    if (!canUse(index)) return false;
    UseFoundTransmitter(stack_.connection(), found_[size_t(index)].hit);
    return true;
}

}  // namespace lmk17
