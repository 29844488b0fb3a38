#include "sim_faults.h"

#include <QStringList>

#include "link/frame.h"

namespace lmk17::sim {

namespace {

bool fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

bool toInt(const QString& text, int& out) {
    bool ok = false;
    out = text.toInt(&ok, 0);
    return ok;
}

bool parseTrigger(QString& text, Fault& f, QString* error) {
    const int at = text.indexOf(QLatin1Char('@'));
    const int pct = text.indexOf(QLatin1Char('%'));
    if (at >= 0) {
        for (const QString& n : text.mid(at + 1).split(QLatin1Char(','))) {
            int v = 0;
            if (!toInt(n, v) || v < 1)
                return fail(error, QStringLiteral("bad answer number: %1").arg(n));
            f.answers.insert(v);
        }
        text.truncate(at);
    } else if (pct >= 0) {
        bool ok = false;
        f.probability = text.mid(pct + 1).toDouble(&ok) / 100.0;
        if (!ok || f.probability < 0 || f.probability > 1)
            return fail(error, QStringLiteral("bad probability: %1").arg(text.mid(pct + 1)));
        text.truncate(pct);
    }
    return true;
}

bool parseArgs(const QString& kind, const QStringList& args, Fault& f, QString* error) {
    auto numberAt = [&](int i, int& out) { return i < args.size() && toInt(args[i], out); };
    if (kind == QLatin1String("noise")) {
        f.kind = Fault::Noise;
        f.bytes =
            args.isEmpty() ? QByteArray("\xFF\x00", 2) : QByteArray::fromHex(args[0].toLatin1());
        if (f.bytes.isEmpty()) return fail(error, QStringLiteral("noise needs hex bytes"));
    } else if (kind == QLatin1String("chunks")) {
        f.kind = Fault::Chunks;
        int n = 0;
        if (!numberAt(0, n) || n < 1) return fail(error, QStringLiteral("chunks:N[:PAUSE_MS]"));
        f.sizes = {n};
        if (args.size() > 1 && !numberAt(1, f.pauseMs))
            return fail(error, QStringLiteral("bad pause"));
    } else if (kind == QLatin1String("split")) {
        f.kind = Fault::Split;
        if (args.isEmpty()) return fail(error, QStringLiteral("split:A+B...[:PAUSE_MS]"));
        for (const QString& s : args[0].split(QLatin1Char('+'))) {
            int v = 0;
            if (!toInt(s, v) || v < 1)
                return fail(error, QStringLiteral("bad piece size: %1").arg(s));
            f.sizes.push_back(v);
        }
        if (args.size() > 1 && !numberAt(1, f.pauseMs))
            return fail(error, QStringLiteral("bad pause"));
    } else if (kind == QLatin1String("refuse")) {
        f.kind = Fault::Refuse;
        if (!args.isEmpty() && !numberAt(0, f.parameter))
            return fail(error, QStringLiteral("refuse[:PARAM]"));
    } else if (kind == QLatin1String("skew")) {
        f.kind = Fault::Skew;
        if (!args.isEmpty() && !numberAt(0, f.parameter))
            return fail(error, QStringLiteral("skew[:PARAM]"));
    } else if (kind == QLatin1String("delay")) {
        f.kind = Fault::Delay;
        if (!numberAt(0, f.delayMs) || f.delayMs < 0)
            return fail(error, QStringLiteral("delay:MS"));
    } else if (kind == QLatin1String("code")) {
        f.kind = Fault::Code;
        if (!numberAt(0, f.code) || f.code < 0 || f.code > 255)
            return fail(error, QStringLiteral("code:CONTROL_BYTE"));
    } else {
        static const std::pair<const char*, Fault::Kind> plain[] = {
            {"silence", Fault::Silence},
            {"bad-check", Fault::BadCheck},
            {"bad-length", Fault::BadLength},
            {"bad-start", Fault::BadStart},
            {"echo", Fault::Echo}};
        for (const auto& [name, k] : plain) {
            if (kind == QLatin1String(name)) {
                f.kind = k;
                return args.isEmpty() ||
                       fail(error, QStringLiteral("%1 takes no arguments").arg(kind));
            }
        }
        return fail(error, QStringLiteral("unknown fault %1").arg(kind));
    }
    return true;
}

}  // namespace

bool Fault::parse(const QString& profile, Fault& out, QString* error) {
    Fault f;
    QString text = profile.trimmed();
    if (!parseTrigger(text, f, error)) return false;
    QStringList parts = text.split(QLatin1Char(':'));
    const QString kind = parts.takeFirst().toLower();
    if (!parseArgs(kind, parts, f, error)) return false;
    out = f;
    return true;
}

bool Fault::appliesTo(int answerNumber, int param, std::mt19937& rng) const {
    if ((kind == Refuse || kind == Skew) && parameter >= 0 && parameter != param) return false;
    if (!answers.empty()) return answers.count(answerNumber) > 0;
    if (probability >= 0)
        return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < probability;
    return true;
}

QList<QByteArray> CutAnswer(const QByteArray& answer, const Fault* f) {
    QList<QByteArray> pieces;
    if (!f) return {answer};
    if (f->kind == Fault::Chunks) {
        const int n = std::max(1, std::min<int>(f->sizes.at(0), int(answer.size())));
        int from = 0;
        for (int i = 0; i < n; ++i) {
            const int to = int(answer.size()) * (i + 1) / n;
            pieces.append(answer.mid(from, to - from));
            from = to;
        }
        return pieces;
    }
    int from = 0;
    for (int size : f->sizes) {
        if (from >= answer.size()) break;
        pieces.append(answer.mid(from, size));
        from += size;
    }
    if (from < answer.size()) pieces.append(answer.mid(from));
    return pieces;
}

QByteArray Skewed(const QByteArray& value) {
    QByteArray v = value;
    if (!v.isEmpty()) v[v.size() - 1] = char(v[v.size() - 1] ^ 0x01);
    return v;
}

QByteArray Spoil(const QByteArray& answer, const Fault& f) {
    QByteArray a = answer;
    const bool isLong = !a.isEmpty() && std::uint8_t(a[0]) == kLongStart;
    switch (f.kind) {
        case Fault::BadCheck:
            a[a.size() - 2] = char(a[a.size() - 2] ^ 0x5A);
            break;
        case Fault::BadLength:
            if (isLong)
                a[2] = char(a[2] + 1);
            else
                a[5] = char(0x17);  // a short frame has no length: spoil its end instead
            break;
        case Fault::BadStart:
            a[0] = char(0xE5);
            break;
        case Fault::Noise:
            a.prepend(f.bytes);
            break;
        default:
            break;
    }
    return a;
}

}  // namespace lmk17::sim
