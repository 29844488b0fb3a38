#include "link/result_codes.h"

#include <QCoreApplication>

namespace lmk17 {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Link)
};
}  // namespace

QString ResultMessage(int code) {
    switch (code) {
        case ResultWriteOk:
            return Texts::tr(" OK.");
        case ResultTransmitError:
            return Texts::tr(" ERROR: Error during Transmit.");
        case ResultBadParameters:
            return Texts::tr(" ERROR: Bad Parameters.");
        case ResultBadFunction:
            return Texts::tr(" ERROR: Bad Function.");
        case ResultReadOk:
            return Texts::tr(" Application layer answered OK.");
        case ResultFrameError:
            return Texts::tr(" ERROR: Frame Error of the Incoming Message.");
        case ResultCrcError:
            return Texts::tr(" ERROR: Bad CRC of the Incoming Message.");
        case ResultTransmitterSendError:
            return Texts::tr(" ERROR: Error during Transmit (from Transmitter to PC).");
        case ResultBadAnswer:
            return Texts::tr(" ERROR: Bad Answer was received.");
        case ResultTimeout:
            return Texts::tr(" ERROR: Timeout.");
        case ResultLineBusy:
            return Texts::tr(
                " ERROR: Another device keeps sending on the line; the request could not be "
                "sent.");
        case ResultPortClosed:
        case ResultBusy:
        case ResultBadRequest:
            return QString();
        default:
            return Texts::tr(" ERROR: Unknown Answer: %d")
                .replace(QLatin1String("%d"), QString::number(code));
    }
}

}  // namespace lmk17
