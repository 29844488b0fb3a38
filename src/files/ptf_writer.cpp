#include "files/ptf_writer.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace lmk17 {

QString WritePtfFile(const QString& fileName, const TransmitterConfig& config) {
    const QByteArray image = config.ToImage();
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(image) == image.size() &&
                         image.size() == kConfigImageSize && file.commit();
    if (written) return {};
    file.cancelWriting();
    return QCoreApplication::translate("Configuration file",
                                       "Configuration was not saved, cannot open file: '%1'.")
        .arg(fileName);
}

}  // namespace lmk17
