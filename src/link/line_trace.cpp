#include "link/line_trace.h"
// notr-file: the lines of a line-traffic trace are a file text (a log for
// service work), the same in every language.

#include <algorithm>
#include <cstdint>

#include "link/binary32.h"
#include "link/frame.h"
#include "link/result_codes.h"

namespace lmk17 {

namespace {

unsigned u16(const QByteArray& f, int at) {
    return unsigned(std::uint8_t(f[at])) | unsigned(std::uint8_t(f[at + 1])) << 8;
}

std::uint32_t u32(const QByteArray& f, int at) {
    return std::uint32_t(u16(f, at)) | std::uint32_t(u16(f, at + 2)) << 16;
}

// The value of `type` at frame offset `at` (the frame holds it whole).
QString valueAt(const QByteArray& f, int at, int type) {
    switch (type) {
        case TypeInt16:
            return QString::number(std::int16_t(u16(f, at)));
        case TypeInt32:
            return QString::number(std::int32_t(u32(f, at)));
        case TypeFloat:
            return QString::number(DecodeBinary32(u32(f, at)), 'g', 7);
        case TypeText:
            return QLatin1Char('"') + QString::fromLatin1(f.mid(at, kWireTextLength)) +
                   QLatin1Char('"');
        case TypeBlock: {
            QStringList v;  // element 3 travels first
            for (int i = 3; i >= 0; --i)
                v.prepend(QString::number(DecodeBinary32(u32(f, at + 4 * (3 - i))), 'g', 7));
            return v.join(QLatin1Char(' '));
        }
        default:
            return {};
    }
}

bool isBlock(int type) {
    return type == TypeText || type == TypeBlock;
}

// 68 L L 68 DA SA C op type param(2) [row sub count size] [value] check 16
QString describeRequest(const QByteArray& f) {
    const int length = int(f.size());
    if (length < 13) return QStringLiteral("request, too short");
    const int da = std::uint8_t(f[4]);
    const int op = std::uint8_t(f[7]);
    const int type = std::uint8_t(f[8]);
    const int parameter = int(u16(f, 9)) - 1000 * da;
    QString s = QStringLiteral("%1 %2 P%3")
                    .arg(op == OpWrite  ? QStringLiteral("write")
                         : op == OpRead ? QStringLiteral("read")
                                        : QStringLiteral("operation %1").arg(op),
                         DataTypeName(type))
                    .arg(parameter);
    int at = 11;
    if (isBlock(type) && length >= at + 8 + 2) {
        s += QStringLiteral(" row %1").arg(u16(f, at));
        at += 8;
    }
    s += QStringLiteral(" DA %1").arg(da);
    if (op == OpWrite && length >= at + ValueWidth(type) + 2)
        s += QStringLiteral(" = ") + valueAt(f, at, type);
    return s;
}

QString describeAnswer(const QByteArray& f, const LinkRequest& context) {
    LinkRequest r = context;
    bool deviceError = false;
    const AnswerOutcome o = DecodeAnswer(reinterpret_cast<const std::uint8_t*>(f.constData()),
                                         int(f.size()), r, deviceError);
    QString s = QStringLiteral("answer code %1").arg(o.result);
    if (o.result == 8 && context.operation == OpRead && f.size() >= 8 + ValueWidth(r.dataType) + 2)
        s += QStringLiteral(" %1 = %2").arg(DataTypeName(r.dataType), valueAt(f, 8, r.dataType));
    if (deviceError) s += QStringLiteral(" device error");
    return s + QStringLiteral(" \"") + ResultCodeText(o.result).trimmed() + QLatin1Char('"');
}

}  // namespace

QString TraceVerdictName(TraceVerdict verdict) {
    switch (verdict) {
        case TraceVerdict::Request:
            return QStringLiteral("request");
        case TraceVerdict::Repeat:
            return QStringLiteral("repeat");
        case TraceVerdict::Answer:
            return QStringLiteral("answer");
        case TraceVerdict::EchoDropped:
            return QStringLiteral("echo dropped");
        case TraceVerdict::NoiseDropped:
            return QStringLiteral("noise dropped");
        case TraceVerdict::Misshapen:
            return QStringLiteral("misshapen");
        case TraceVerdict::Late:
            return QStringLiteral("late");
        case TraceVerdict::Timeout:
            return QStringLiteral("time-out");
    }
    return {};
}

QString DescribeFrame(const QByteArray& frame, const LinkRequest& context) {
    const int expected = ExpectedFrameLength(
        reinterpret_cast<const std::uint8_t*>(frame.constData()), int(frame.size()));
    if (expected <= 0 || expected != frame.size()) return {};
    if (frame[0] == char(kLongStart)) {
        const auto control = std::uint8_t(frame[6]);
        if (control == kControlRead || control == kControlWrite) return describeRequest(frame);
    }
    return describeAnswer(frame, context);
}

QString TraceLine(const TraceEntry& e) {
    const QString direction = e.verdict == TraceVerdict::Timeout ? QStringLiteral("-----")
                              : e.outgoing                       ? QStringLiteral("PC>TX")
                                                                 : QStringLiteral("  <TX");
    QString line = QStringLiteral("%1 ms  %2  ").arg(e.ms, 8).arg(direction);
    if (!e.bytes.isEmpty()) line += HexBytes(e.bytes) + QStringLiteral("  ");
    if (!e.decoded.isEmpty()) line += e.decoded + QStringLiteral("  ");
    return line + QLatin1Char('[') + TraceVerdictName(e.verdict) + QLatin1Char(']');
}

LineTrace::LineTrace(int capacity, QObject* parent)
    : QObject(parent), capacity_(std::max(1, capacity)) {
    started_.start();
    clock_ = [this] { return started_.elapsed(); };
}

void LineTrace::add(bool outgoing, const QByteArray& bytes, TraceVerdict verdict,
                    const LinkRequest& context, const QString& result) {
    TraceEntry e;
    e.ms = clock_();
    e.outgoing = outgoing;
    e.bytes = bytes;
    e.verdict = verdict;
    switch (verdict) {
        case TraceVerdict::NoiseDropped:
        case TraceVerdict::Timeout:
            e.decoded = result;
            break;
        default:
            e.decoded = DescribeFrame(bytes, context);
            break;
    }
    // Whom it concerns: the frame's own address for a request, else the
    // request on the line.
    const bool request = outgoing || verdict == TraceVerdict::EchoDropped;
    if (request && bytes.size() >= 11 && bytes[0] == char(kLongStart)) {
        e.da = std::uint8_t(bytes[4]);
        e.parameter = int(u16(bytes, 9)) - 1000 * e.da;
    } else if (context.operation != OpNone) {
        e.da = context.da;
        e.parameter = context.parameter;
    }
    entries_.push_back(e);
    if (int(entries_.size()) > capacity_) entries_.pop_front();
    ++added_;
    emit appended(entries_.back());
}

void LineTrace::clear() {
    entries_.clear();
}

}  // namespace lmk17
