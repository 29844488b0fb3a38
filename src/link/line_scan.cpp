#include "link/line_scan.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

#include "link/comm_port_driver.h"
#include "link/frame.h"
#include "link/result_codes.h"
#include "link/transaction_engine.h"

namespace lmk17 {

namespace {

constexpr int kDefaultBaud = 2400;
constexpr LinkParity kDefaultParity = LinkParity::Odd;
constexpr int kSerialNumberParameter = 101;
constexpr int kProbeRequestBytes = 13;  // a read of a 32-bit value
constexpr int kProbeAnswerBytes = 14;   // its answer

int wireMs(int bytes, int baud) {
    return int(std::ceil(bytes * 11 * 1000.0 / std::max(1, baud)));
}

}  // namespace

std::vector<ScanSetting> ScanOrder(const std::vector<int>& bauds,
                                   const std::vector<LinkParity>& parities,
                                   const std::optional<ScanSetting>& stored) {
    std::vector<ScanSetting> order;
    auto add = [&](const ScanSetting& s) {
        const bool wanted = std::find(bauds.begin(), bauds.end(), s.baud) != bauds.end() &&
                            std::find(parities.begin(), parities.end(), s.parity) != parities.end();
        if (wanted && std::find(order.begin(), order.end(), s) == order.end()) order.push_back(s);
    };
    add(ScanSetting{kDefaultBaud, kDefaultParity});
    if (stored) add(*stored);
    std::vector<int> highToLow = bauds;
    std::sort(highToLow.rbegin(), highToLow.rend());
    for (const int baud : highToLow)
        for (const LinkParity p : {LinkParity::Odd, LinkParity::Even, LinkParity::None})
            add(ScanSetting{baud, p});
    return order;
}

LinkTiming ProbeTiming(int baud, int allowanceMs) {
    LinkTiming t;
    t.answerStartMs = wireMs(kProbeRequestBytes + 1, baud) + allowanceMs;
    t.answerTimeoutMs = wireMs(kProbeAnswerBytes, baud) + allowanceMs;
    t.incompleteResetMs = t.answerTimeoutMs;
    t.attempts = 1;
    t.settleAfterTimeout = false;
    return t;
}

LineScan::LineScan(TCommPortDriver& port, TransactionEngine& engine, QObject* parent)
    : QObject(parent), port_(port), engine_(engine) {}

LineScan::~LineScan() {
    if (running_) cancel();
}

bool LineScan::start(const Plan& plan) {
    if (running_ || !port_.isOpen() || engine_.requestOutstanding() || plan.addresses.empty() ||
        plan.settings.empty())
        return false;
    plan_ = plan;
    hits_.clear();
    index_ = 0;
    cancelled_ = false;
    running_ = true;
    current_.reset();
    savedTiming_ = engine_.timing();
    savedSetting_ = ScanSetting{port_.baudRate(), port_.parity()};
    ended_ = connect(&engine_, &TransactionEngine::exchangeEnded, this,
                     [this](int result, bool) { probeEnded(result); });
    received_ = connect(&engine_, &TransactionEngine::frameReceived, this,
                        [this](const QByteArray& frame) { lastFrame_ = frame; });
    // From the event loop: the caller hears every probe, the first included.
    QTimer::singleShot(0, this, [this] {
        if (running_) probeNext();
    });
    return true;
}

void LineScan::probeNext() {
    if (index_ >= total()) return finish();
    const int perSetting = int(plan_.addresses.size());
    const ScanSetting setting = plan_.settings[size_t(index_ / perSetting)];
    const int address = plan_.addresses[size_t(index_ % perSetting)];
    if (current_ != setting) {
        port_.setBaudRate(setting.baud);
        port_.setParity(setting.parity);
        engine_.setTiming(ProbeTiming(setting.baud, plan_.allowanceMs));
        current_ = setting;
    }
    emit probing(index_, address, setting);
    lastFrame_.clear();
    LinkRequest& r = engine_.request();
    r = LinkRequest{};
    r.operation = OpRead;
    r.dataType = TypeInt32;
    r.parameter = kSerialNumberParameter;
    r.da = address;
    engine_.setAttempts(1);
    engine_.SestavPrikaz();
}

void LineScan::probeEnded(int result) {
    if (!running_) return;
    const int perSetting = int(plan_.addresses.size());
    const ScanSetting setting = plan_.settings[size_t(index_ / perSetting)];
    // A transmitter is there when it answers, even with a refusal; the
    // address is the one it answers from (a long answer's source byte).
    const bool answered = result == ResultReadOk || result == 1 || result == 2 || result == 3;
    if (answered) {
        int address = plan_.addresses[size_t(index_ % perSetting)];
        if (lastFrame_.size() >= 6 && lastFrame_[0] == char(kLongStart))
            address = std::uint8_t(lastFrame_[5]);
        else if (lastFrame_.size() == 6 && lastFrame_[0] == char(kShortStart))
            address = std::uint8_t(lastFrame_[2]);
        const bool known = std::any_of(hits_.begin(), hits_.end(), [&](const ScanHit& h) {
            return h.address == address && h.setting == setting;
        });
        if (!known && address >= 0 && address <= 31) {
            const ScanHit hit{address, setting,
                              result == ResultReadOk ? engine_.request().value32 : 0};
            hits_.push_back(hit);
            emit found(hit);
            if (!plan_.all) return finish();
        }
    }
    ++index_;
    // From the event loop, not from inside the engine's dispatch.
    QTimer::singleShot(0, this, [this] {
        if (running_) probeNext();
    });
}

void LineScan::cancel() {
    if (!running_) return;
    cancelled_ = true;
    finish();
}

void LineScan::finish() {
    running_ = false;
    disconnect(ended_);
    disconnect(received_);
    engine_.abandonExchange();
    engine_.setTiming(savedTiming_);
    port_.setBaudRate(savedSetting_.baud);
    port_.setParity(savedSetting_.parity);
    emit finished();
}

}  // namespace lmk17
