#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>

#include "link/link_request.h"

namespace lmk17 {

// What the engine made of a frame (or of bytes that never became one).
enum class TraceVerdict {
    Request,       // a request sent
    Repeat,        // the same request sent again after a time-out
    Answer,        // taken as the answer
    EchoDropped,   // the request coming back from a 2-wire converter
    NoiseDropped,  // bytes before a start byte, or an answer left incomplete
    Misshapen,     // a frame that cannot answer the request
    Late,          // arrived while nothing was asked (after a time-out, a stop)
    Timeout,       // no complete answer in the answer window
};

// The verdict as it stands in a trace line ("echo dropped").
QString TraceVerdictName(TraceVerdict verdict);

struct TraceEntry {
    qint64 ms = 0;  // since the trace started
    bool outgoing = false;
    QByteArray bytes;
    TraceVerdict verdict = TraceVerdict::Request;
    QString decoded;  // request kind, parameter, type, row, value; an answer's result
    int da = -1;      // the transmitter the frame is for or from (-1 unknown)
    int parameter = -1;
};

// One line of text for an entry, as the command line's --trace writes it and
// the traffic window copies and saves it:
//   "    12 ms  PC>TX  68 07 ... 16  read int32 P101 DA 0  [request]"
QString TraceLine(const TraceEntry& entry);

// A frame in words. `context` is the request on the line: it gives an answer
// its data type (and its value then).
QString DescribeFrame(const QByteArray& frame, const LinkRequest& context);

// Every frame of both directions with the engine's verdict, kept in a bounded
// buffer (the oldest go first) and announced one by one. The engine reports
// to it only while one is attached: a closed traffic window costs nothing.
class LineTrace : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;
    static constexpr int kDefaultCapacity = 20000;

    explicit LineTrace(int capacity = kDefaultCapacity, QObject* parent = nullptr);

    // Milliseconds since the trace started; tests substitute their own.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // The engine's report. `context` is the request on the line; `result`
    // the answer's result text or the time-out's.
    void add(bool outgoing, const QByteArray& bytes, TraceVerdict verdict,
             const LinkRequest& context, const QString& result = QString());

    const std::deque<TraceEntry>& entries() const { return entries_; }
    // How many were ever added: a reader that remembers it knows what is new
    // and how many fell out of the buffer meanwhile.
    quint64 added() const { return added_; }
    int capacity() const { return capacity_; }
    void clear();

signals:
    void appended(const TraceEntry& entry);

private:
    int capacity_;
    std::deque<TraceEntry> entries_;
    quint64 added_ = 0;
    QElapsedTimer started_;
    Clock clock_;
};

}  // namespace lmk17
