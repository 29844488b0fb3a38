#include "operations/result_messages.h"

#include <QCoreApplication>

#include "link/result_codes.h"

namespace lmk17 {

QString ResultMessage(int code) {
    const char* source = ResultCodeSource(code);
    if (!source) return {};
    return QCoreApplication::translate("Link", source)
        .replace(QLatin1String("%d"), QString::number(code));
}

}  // namespace lmk17
