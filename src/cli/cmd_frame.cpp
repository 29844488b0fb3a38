// Frame tools for service work: print a request frame, decode an answer.

#include "cli/cli_command.h"
#include "cli/frame_args.h"
#include "link/frame.h"
#include "link/result_codes.h"

namespace lmk17::cli {

namespace {

int frameRead(Context& c) {
    LinkRequest r = RequestFromArgs(c, OpRead);
    c.out << HexBytes(BuildRequestFrame(r, c.options.master)) << Qt::endl;
    return ExitOk;
}

int frameWrite(Context& c) {
    LinkRequest r = RequestFromArgs(c, OpWrite);
    c.out << HexBytes(BuildRequestFrame(r, c.options.master)) << Qt::endl;
    return ExitOk;
}

int decode(Context& c) {
    const auto type = c.takeOption(QStringLiteral("--type"));
    const auto param = c.takeOption(QStringLiteral("--param"));
    if (!type || !param) throw UsageError(QStringLiteral("--type and --param are required"));
    c.rejectUnknownOptions();
    QByteArray frame;
    if (c.args.isEmpty() || !ParseHexBytes(c.args.join(QLatin1Char(' ')), frame))
        throw UsageError(QStringLiteral("give the answer frame as hex bytes"));
    LinkRequest r;
    r.operation = OpRead;
    r.dataType = DataTypeFromName(*type);
    r.parameter = c.toInt(*param, QStringLiteral("--param"));
    bool deviceError = false;
    const AnswerOutcome o = DecodeAnswer(reinterpret_cast<const std::uint8_t*>(frame.constData()),
                                         int(frame.size()), r, deviceError);
    PrintOutcome(c, o, deviceError, r);
    return ExitOk;
}

Registrar readCmd({"frame read", "PARAM TYPE [--row N]",
                   "print a read request frame (TYPE: int16, int32, float, text, block)",
                   frameRead});
Registrar writeCmd({"frame write", "PARAM TYPE VALUE... [--row N]",
                    "print a write request frame (a block's four values in array order)",
                    frameWrite});
Registrar decodeCmd({"decode", "HEX... --type TYPE --param N",
                     "decode an answer frame: result code, message, device-error flag, value",
                     decode});

}  // namespace
}  // namespace lmk17::cli
