#include "files/ptf_writer.h"

#include "common/safe_save.h"
#include "files/ptf_messages.h"

namespace lmk17 {

QString WritePtfFile(const QString& fileName, const TransmitterConfig& config) {
    const QByteArray image = config.ToImage();
    if (image.size() != kConfigImageSize) return ptf_text::CannotOpen(fileName);
    const SafeSaveResult result = SaveFileSafely(fileName, image);
    if (result.saved()) return {};
    if (result.status == SafeSaveResult::Status::OpenFailed)
        return ptf_text::CannotOpen(fileName) + QLatin1Char(' ') + result.reason;
    return SaveFailedText(fileName, result.reason);
}

}  // namespace lmk17
