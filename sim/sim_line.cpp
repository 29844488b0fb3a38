#include "sim_line.h"

#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cerrno>

#include "common/safe_save.h"
#include "link/frame.h"

namespace lmk17::sim {

namespace {

// A request torn by a pause this long is given up, as a transmitter's
// character time-out would.
constexpr qint64 kRequestGapUs = 500000;
// Bytes due this close are written now rather than after another timer turn.
constexpr qint64 kEarlyUs = 500;

QString faultNames(const std::vector<const Fault*>& faults) {
    static const char* names[] = {"silence", "bad-check",  "noise",     "chunks",
                                  "split",   "bad-length", "bad-start", "refuse",
                                  "delay",   "echo",       "code",      "skew"};
    QStringList list;
    for (const Fault* f : faults) list << QLatin1String(names[f->kind]);
    return list.join(QLatin1Char(' '));
}

const Fault* find(const std::vector<const Fault*>& faults, Fault::Kind kind) {
    for (const Fault* f : faults)
        if (f->kind == kind) return f;
    return nullptr;
}

}  // namespace

SimLine::SimLine(LineOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)), rng_(options_.seed) {
    clock_.start();
    outTimer_.setSingleShot(true);
    outTimer_.setTimerType(Qt::PreciseTimer);
    connect(&outTimer_, &QTimer::timeout, this, &SimLine::flushOutput);
    connect(&babbleTimer_, &QTimer::timeout, this, [this] {
        queueBytes(QByteArray(1, char(0xFF)), nowUs());
        flushOutput();
    });
    for (const TransmitterProfile& profile : options_.transmitters)
        transmitters_.push_back(std::make_unique<SimTransmitter>(profile));
}

SimLine::~SimLine() {
    if (!options_.statePath.isEmpty()) saveState();
    notifier_.reset();
}

bool SimLine::start(QString* error) {
    if (!loadConfigurationFiles(error)) return false;
    if (!options_.statePath.isEmpty() && !loadState(error)) return false;
    if (!pty_.open(error)) return false;
    if (!options_.linkPath.isEmpty() && !pty_.makeLink(options_.linkPath, error)) return false;
    if (!options_.tracePath.isEmpty() && !trace_.open(options_.tracePath, error)) return false;
    notifier_ = std::make_unique<QSocketNotifier>(pty_.masterFd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SimLine::onReadable);
    if (options_.babbleMs > 0) babbleTimer_.start(options_.babbleMs);
    for (const auto& t : transmitters_)
        trace_.note(QStringLiteral("transmitter %1: %2 firmware %3, serial %4")
                        .arg(t->address())
                        .arg(t->profile().typeName)
                        .arg(t->firmware())
                        .arg(t->profile().serial));
    return true;
}

SimTransmitter* SimLine::transmitter(int address) {
    for (const auto& t : transmitters_)
        if (t->address() == address) return t.get();
    return nullptr;
}

qint64 SimLine::byteUs() const {
    return options_.pace && options_.baud > 0 ? 11LL * 1000000 / options_.baud : 0;
}

// ---- receiving ------------------------------------------------------------------

void SimLine::onReadable() {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(pty_.masterFd(), buffer, sizeof buffer);
        if (n <= 0) break;
        const qint64 now = nowUs();
        if (!rx_.isEmpty() && now - lastRxUs_ > kRequestGapUs) {
            trace_.frame("PC>  ", rx_, QStringLiteral("incomplete request dropped"));
            rx_.clear();
        }
        lastRxUs_ = now;
        for (ssize_t i = 0; i < n; ++i) {
            // Each byte takes its time on the line after the one before it.
            rxWireEndUs_ = std::max(now, rxWireEndUs_) + byteUs();
            if (options_.echo) queueByteAt(buffer[i], rxWireEndUs_);
            takeByte(buffer[i], rxWireEndUs_);
        }
    }
    flushOutput();
}

void SimLine::takeByte(char byte, qint64 wireEndUs) {
    if (rx_.isEmpty() && std::uint8_t(byte) != kLongStart) return;
    rx_.append(byte);
    if (rx_.size() >= 4 && (std::uint8_t(rx_[3]) != kLongStart || rx_[1] != rx_[2])) {
        resync();
        return;
    }
    if (rx_.size() >= 2 && rx_.size() == std::uint8_t(rx_[1]) + 6) {
        const QByteArray frame = std::exchange(rx_, QByteArray());
        handleFrame(frame, wireEndUs);
    }
}

// A start byte that was no frame start: look for the next one in what was collected.
void SimLine::resync() {
    const QByteArray rest = rx_.mid(1);
    trace_.frame("PC>  ", rx_.left(1), QStringLiteral("not a frame start, skipped"));
    rx_.clear();
    for (char c : rest) takeByte(c, rxWireEndUs_);
}

void SimLine::handleFrame(const QByteArray& frame, qint64 completeUs) {
    SimRequest r;
    if (!ParseRequest(frame, r)) {
        trace_.frame("PC>  ", frame, QStringLiteral("corrupt request ignored"));
        return;
    }
    if (options_.checkLine && !pty_.lineSetTo(options_.baud, options_.parity)) {
        trace_.frame("PC>  ", frame,
                     DescribeRequest(r) + QStringLiteral("  (other line settings)"));
        return;
    }
    SimTransmitter* owner = nullptr;
    for (const auto& t : transmitters_)
        if (t->owns(r)) owner = t.get();
    if (!owner) {
        trace_.frame("PC>  ", frame, DescribeRequest(r) + QStringLiteral("  (nobody's)"));
        return;
    }
    const int number = ++answerNumber_;
    trace_.frame("PC>TX", frame, QStringLiteral("#%1 ").arg(number) + DescribeRequest(r));
    emit requestTaken(frame);

    // A request taken while an answer is still going out (one given late) is
    // worked on only once the line is free again: its answer follows after
    // the answer delay, as a real transmitter's would.
    const qint64 lineFreeUs = std::max(completeUs, txFreeUs_);
    std::vector<const Fault*> faults;
    for (const Fault& f : options_.faults)
        if ((f.address < 0 || f.address == owner->address()) &&
            f.appliesTo(number, r.parameter(), rng_))
            faults.push_back(&f);
    QString notes;
    QByteArray clean;
    const QByteArray answer = answerFor(*owner, r, faults, notes, clean);
    if (find(faults, Fault::Echo)) queueBytes(frame, completeUs);
    if (find(faults, Fault::Silence)) {
        trace_.note(QStringLiteral("#%1 answer withheld (silence)").arg(number));
        flushOutput();
        return;
    }
    qint64 start = lineFreeUs + qint64(options_.answerDelayMs) * 1000;
    if (const Fault* d = find(faults, Fault::Delay)) start += qint64(d->delayMs) * 1000;
    const Fault* chunking = find(faults, Fault::Split);
    if (!chunking) chunking = find(faults, Fault::Chunks);
    const QList<QByteArray> pieces = CutAnswer(answer, chunking);
    for (const QByteArray& piece : pieces) {
        queueBytes(piece, start);
        start = txFreeUs_ + qint64(chunking ? chunking->pauseMs : 0) * 1000;
    }
    trace_.frame(
        "  <TX", answer,
        QStringLiteral("#%1 ").arg(number) + DescribeAnswer(clean, r.type) +
            (faults.empty() ? QString() : QStringLiteral("  [") + faultNames(faults) + ']') +
            notes);
    flushOutput();
}

QByteArray SimLine::answerFor(SimTransmitter& t, const SimRequest& r,
                              const std::vector<const Fault*>& faults, QString& notes,
                              QByteArray& clean) {
    QByteArray answer;
    if (find(faults, Fault::Refuse)) {
        answer = ShortAnswer(r.sa, t.address(), t.control(2));
    } else {
        SimRequest stored = r;
        if (r.operation == 2 && find(faults, Fault::Skew)) stored.value = Skewed(r.value);
        const SimTransmitter::Answer a = t.handle(stored);
        answer = a.isLong ? LongAnswer(r.sa, t.address(), t.control(a.code), a.type, a.value)
                          : ShortAnswer(r.sa, t.address(), t.control(a.code));
        if (a.memoryChanged && !options_.statePath.isEmpty()) {
            QString error;
            if (!saveState(&error)) notes += QStringLiteral("  (state not saved: %1)").arg(error);
        }
    }
    if (const Fault* c = find(faults, Fault::Code))
        answer = ShortAnswer(r.sa, t.address(), c->code);
    // The trace decodes the answer as the transmitter meant it; the hex shows
    // what the faults made of it.
    clean = answer;
    for (const Fault::Kind k : {Fault::BadCheck, Fault::BadLength, Fault::BadStart, Fault::Noise})
        if (const Fault* f = find(faults, k)) answer = Spoil(answer, *f);
    return answer;
}

// ---- sending ------------------------------------------------------------------------

void SimLine::queueBytes(const QByteArray& bytes, qint64 earliestUs) {
    const qint64 start = std::max({earliestUs, txFreeUs_, nowUs()});
    const qint64 each = byteUs();
    for (int i = 0; i < bytes.size(); ++i) queueByteAt(bytes[i], start + (i + 1) * each);
    txFreeUs_ = start + bytes.size() * each;
}

void SimLine::queueByteAt(char byte, qint64 dueUs) {
    const auto at = std::upper_bound(out_.begin(), out_.end(), dueUs,
                                     [](qint64 due, const Pending& p) { return due < p.dueUs; });
    out_.insert(at, Pending{dueUs, byte});
    txFreeUs_ = std::max(txFreeUs_, dueUs);
}

void SimLine::flushOutput() {
    const qint64 now = nowUs();
    QByteArray ready;
    while (!out_.empty() && out_.front().dueUs <= now + kEarlyUs) {
        ready.append(out_.front().byte);
        out_.pop_front();
    }
    if (!ready.isEmpty()) {
        const ssize_t n = ::write(pty_.masterFd(), ready.constData(), size_t(ready.size()));
        const qsizetype written = n < 0 ? 0 : n;
        // What the terminal could not take now goes first next time.
        for (qsizetype i = ready.size() - 1; i >= written; --i) out_.push_front({now, ready[i]});
        if (n < 0 && errno != EAGAIN) out_.clear();
    }
    if (out_.empty()) return;
    const qint64 wait = out_.front().dueUs - nowUs();
    outTimer_.start(int(std::max<qint64>(1, (wait + 500) / 1000)));
}

// A transmitter given a configuration file holds that configuration.
bool SimLine::loadConfigurationFiles(QString* error) {
    for (auto& t : transmitters_) {
        if (t->profile().ptfPath.isEmpty()) continue;
        TransmitterProfile profile = t->profile();
        TransmitterMemory memory;
        QString why;
        if (!SimTransmitter::fromPtf(profile, memory, &why)) {
            if (error) *error = QStringLiteral("transmitter %1: %2").arg(profile.address).arg(why);
            return false;
        }
        t = std::make_unique<SimTransmitter>(profile);
        t->restore(memory);
    }
    return true;
}

// ---- state file -----------------------------------------------------------------------

bool SimLine::saveState(QString* error) {
    if (options_.statePath.isEmpty()) return true;
    QJsonArray list;
    for (const auto& t : transmitters_) list.append(t->toJson());
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{"lmk17-sim-state", 1}, {"transmitters", list}}).toJson();
    const SafeSaveResult result = SaveFileSafely(options_.statePath, bytes);
    if (!result.saved() && error) *error = result.reason;
    return result.saved();
}

// The state file wins for what a transmitter is and holds (type, firmware,
// memory); the command line still decides its live behaviour (PV, errors).
bool SimLine::loadState(QString* error) {
    QFile file(options_.statePath);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QStringLiteral("cannot read %1: %2").arg(options_.statePath, file.errorString());
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (!root.contains(QLatin1String("lmk17-sim-state"))) {
        if (error)
            *error = QStringLiteral("%1 is not a state file of lmk17-sim").arg(options_.statePath);
        return false;
    }
    for (const auto& value : root.value(QLatin1String("transmitters")).toArray()) {
        TransmitterProfile profile;
        TransmitterMemory memory;
        if (!SimTransmitter::fromJson(value.toObject(), profile, memory)) {
            if (error)
                *error = QStringLiteral("%1: a damaged transmitter entry").arg(options_.statePath);
            return false;
        }
        auto it = std::find_if(transmitters_.begin(), transmitters_.end(),
                               [&](const auto& t) { return t->address() == profile.address; });
        TransmitterProfile merged =
            it != transmitters_.end() ? (*it)->profile() : TransmitterProfile{};
        merged.address = profile.address;
        merged.typeName = profile.typeName;
        merged.firmware = profile.firmware;
        merged.fixedRange = profile.fixedRange;
        merged.serial = profile.serial;
        auto restored = std::make_unique<SimTransmitter>(merged);
        restored->restore(memory);
        if (it != transmitters_.end())
            *it = std::move(restored);
        else
            transmitters_.push_back(std::move(restored));
    }
    return true;
}

}  // namespace lmk17::sim
