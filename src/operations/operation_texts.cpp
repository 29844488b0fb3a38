#include "operations/operation_texts.h"

#include <QCoreApplication>

namespace lmk17::operation_text {

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

}  // namespace lmk17::operation_text
