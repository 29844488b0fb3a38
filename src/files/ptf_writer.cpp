#include "files/ptf_writer.h"

#include <QSaveFile>

#include "files/ptf_messages.h"

namespace lmk17 {

QString WritePtfFile(const QString& fileName, const TransmitterConfig& config) {
    const QByteArray image = config.ToImage();
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(image) == image.size() &&
                         image.size() == kConfigImageSize && file.commit();
    if (written) return {};
    file.cancelWriting();
    return ptf_text::CannotOpen(fileName);
}

}  // namespace lmk17
