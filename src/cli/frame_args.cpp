#include "cli/frame_args.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "link/result_codes.h"

namespace lmk17::cli {

int DataTypeFromName(const QString& name) {
    const QString n = name.toLower();
    if (n == QLatin1String("int16")) return TypeInt16;
    if (n == QLatin1String("int32")) return TypeInt32;
    if (n == QLatin1String("float")) return TypeFloat;
    if (n == QLatin1String("text")) return TypeText;
    if (n == QLatin1String("block")) return TypeBlock;
    throw UsageError(
        QStringLiteral("unknown TYPE %1 (int16, int32, float, text or block)").arg(name));
}

LinkRequest RequestFromArgs(Context& c, int operation) {
    LinkRequest r;
    r.operation = operation;
    r.da = c.options.address;
    if (auto row = c.takeOption(QStringLiteral("--row"))) {
        r.row = c.toInt(*row, QStringLiteral("--row"));
        if (r.row < 0 || r.row > 0xFFFF) throw UsageError(QStringLiteral("--row must be 0..65535"));
    }
    c.rejectUnknownOptions();
    if (c.args.size() < 2) throw UsageError(QStringLiteral("PARAM and TYPE are required"));
    r.parameter = c.toInt(c.args[0], QStringLiteral("PARAM"));
    if (r.parameter < 0 || r.parameter > 999)
        throw UsageError(QStringLiteral("PARAM must be 0..999"));
    r.dataType = DataTypeFromName(c.args[1]);
    const QStringList values = c.args.mid(2);
    if (operation == OpRead) {
        if (!values.isEmpty()) throw UsageError(QStringLiteral("a read takes no VALUE"));
        return r;
    }
    const int wanted = r.dataType == TypeBlock ? 4 : 1;
    if (values.size() != wanted)
        throw UsageError(
            QStringLiteral("this TYPE takes %1 VALUE%2").arg(wanted).arg(wanted > 1 ? "s" : ""));
    switch (r.dataType) {
        case TypeInt16: {
            const int v = c.toInt(values[0], QStringLiteral("VALUE"));
            if (v < -32768 || v > 65535) throw UsageError(QStringLiteral("VALUE must fit 16 bits"));
            r.value16 = std::int16_t(v);
            break;
        }
        case TypeInt32: {
            bool ok = false;
            const qlonglong v = values[0].toLongLong(&ok, 0);
            if (!ok || v < -2147483648LL || v > 4294967295LL)
                throw UsageError(QStringLiteral("VALUE must fit 32 bits"));
            r.value32 = std::int32_t(std::uint32_t(v));
            break;
        }
        case TypeFloat:
            r.value = c.toReal(values[0], QStringLiteral("VALUE"));
            break;
        case TypeText: {
            const QByteArray text = values[0].toLatin1();
            if (text.size() > kWireTextLength)
                throw UsageError(QStringLiteral("a text VALUE holds at most 16 characters"));
            r.text = text + QByteArray(kWireTextLength - text.size(), ' ');
            break;
        }
        case TypeBlock:
            for (int i = 0; i < 4; ++i)
                r.values[std::size_t(i)] = c.toReal(values[i], QStringLiteral("VALUE"));
            break;
    }
    return r;
}

namespace {

QJsonValue valueJson(const LinkRequest& r) {
    switch (r.dataType) {
        case TypeInt16:
            return int(r.value16);
        case TypeInt32:
            return int(r.value32);
        case TypeFloat:
            return r.value;
        case TypeText:
            return QString::fromLatin1(r.text);
        case TypeBlock: {
            QJsonArray a;
            for (double v : r.values) a.append(v);
            return a;
        }
    }
    return QJsonValue();
}

QString valueText(const LinkRequest& r) {
    switch (r.dataType) {
        case TypeInt16:
            return QString::number(r.value16);
        case TypeInt32:
            return QString::number(r.value32);
        case TypeFloat:
            return QStringLiteral("%1 (bits %2)")
                .arg(QString::number(r.value, 'g', 9), QString::number(std::uint32_t(r.value32), 16)
                                                           .rightJustified(8, QLatin1Char('0'))
                                                           .toUpper());
        case TypeText:
            return QLatin1Char('"') + QString::fromLatin1(r.text) + QLatin1Char('"');
        case TypeBlock: {
            QStringList parts;
            for (double v : r.values) parts << QString::number(v, 'g', 9);
            return parts.join(QLatin1Char(' '));
        }
    }
    return QString();
}

}  // namespace

void PrintOutcome(Context& c, const AnswerOutcome& o, bool deviceError, const LinkRequest& r) {
    const bool hasValue = r.operation == OpRead && o.result == 8;
    if (c.options.json) {
        QJsonObject obj{{"result", o.result},
                        {"message", ResultCodeText(o.result)},
                        {"deviceError", deviceError}};
        if (hasValue) obj.insert(QStringLiteral("value"), valueJson(r));
        c.out << QJsonDocument(obj).toJson(QJsonDocument::Compact) << Qt::endl;
        return;
    }
    c.out << "result: " << o.result << "\nmessage: \"" << ResultCodeText(o.result)
          << "\"\ndevice error: " << (deviceError ? "yes" : "no") << "\n";
    if (hasValue) c.out << "value: " << valueText(r) << "\n";
    c.out.flush();
}

}  // namespace lmk17::cli
