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

Registrar readCmd({.name = "frame read",
                   .usage = "PARAM TYPE [--row N]",
                   .summary = "print a read request frame (TYPE: int16, int32, float, text, block)",
                   .run = frameRead,
                   .options = "--row N\trow of a table parameter",
                   .exitCodes = "0\tframe printed\n"
                                "2\tusage error",
                   .example = "lmk17-cli --address 3 frame read 12 int16"});
Registrar writeCmd({.name = "frame write",
                    .usage = "PARAM TYPE VALUE... [--row N]",
                    .summary = "print a write request frame (a block's four values in array order)",
                    .run = frameWrite,
                    .options = "--row N\trow of a table parameter",
                    .exitCodes = "0\tframe printed\n"
                                 "2\tusage error",
                    .example = "lmk17-cli frame write 12 int16 5"});
Registrar decodeCmd(
    {.name = "decode",
     .usage = "HEX... --type TYPE --param N",
     .summary = "decode an answer frame: result code, message, device-error flag, value",
     .run = decode,
     .options = "--type TYPE\tdata type of the answer: int16, int32, float, text or block\n"
                "--param N\tthe parameter asked for",
     .exitCodes = "0\tanswer decoded (its result code is printed)\n"
                  "2\tusage error",
     .example = "lmk17-cli decode 68 1F 00 06 00 00 25 16 --type int16 --param 12"});

}  // namespace
}  // namespace lmk17::cli
