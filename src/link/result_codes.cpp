#include "link/result_codes.h"

#include <QtGlobal>

namespace lmk17 {

const char* ResultCodeSource(int code) {
    switch (code) {
        case ResultWriteOk:
            return QT_TRANSLATE_NOOP("Link", " OK.");
        case ResultTransmitError:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Error during Transmit.");
        case ResultBadParameters:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Bad Parameters.");
        case ResultBadFunction:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Bad Function.");
        case ResultReadOk:
            return QT_TRANSLATE_NOOP("Link", " Application layer answered OK.");
        case ResultFrameError:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Frame Error of the Incoming Message.");
        case ResultCrcError:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Bad CRC of the Incoming Message.");
        case ResultTransmitterSendError:
            return QT_TRANSLATE_NOOP("Link",
                                     " ERROR: Error during Transmit (from Transmitter to PC).");
        case ResultBadAnswer:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Bad Answer was received.");
        case ResultTimeout:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Timeout.");
        case ResultLineBusy:
            return QT_TRANSLATE_NOOP(
                "Link",
                " ERROR: Another device keeps sending on the line; the request could not be "
                "sent.");
        case ResultPortClosed:
        case ResultBusy:
        case ResultBadRequest:
            return nullptr;
        default:
            return QT_TRANSLATE_NOOP("Link", " ERROR: Unknown Answer: %d");
    }
}

QString ResultCodeText(int code) {
    const char* source = ResultCodeSource(code);
    if (!source) return {};
    return QString::fromLatin1(source).replace(QLatin1String("%d"), QString::number(code));
}

}  // namespace lmk17
