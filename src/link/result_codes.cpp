#include "link/result_codes.h"

#include <QCoreApplication>

namespace lmk17 {

QString ResultMessage(int code) {
    auto tr = [](const char* text) { return QCoreApplication::translate("Link", text); };
    switch (code) {
        case ResultWriteOk:
            return tr(" OK.");
        case ResultTransmitError:
            return tr(" ERROR: Error during Transmit.");
        case ResultBadParameters:
            return tr(" ERROR: Bad Parameters.");
        case ResultBadFunction:
            return tr(" ERROR: Bad Function.");
        case ResultReadOk:
            return tr(" Application layer answered OK.");
        case ResultFrameError:
            return tr(" ERROR: Frame Error of the Incoming Message.");
        case ResultCrcError:
            return tr(" ERROR: Bad CRC of the Incoming Message.");
        case ResultTransmitterSendError:
            return tr(" ERROR: Error during Transmit (from Transmitter to PC).");
        case ResultBadAnswer:
            return tr(" ERROR: Bad Answer was received.");
        case ResultTimeout:
            return tr(" ERROR: Timeout.");
        case ResultPortClosed:
        case ResultBusy:
        case ResultBadRequest:
            return QString();
        default:
            return tr(" ERROR: Unknown Answer: %d")
                .replace(QLatin1String("%d"), QString::number(code));
    }
}

}  // namespace lmk17
