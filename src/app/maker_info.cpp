#include "app/maker_info.h"

#ifndef LMK17_MAKER_EMAIL
#define LMK17_MAKER_EMAIL ""
#endif
#ifndef LMK17_MAKER_WEB
#define LMK17_MAKER_WEB ""
#endif
#ifndef LMK17_MAKER_ADDRESS
#define LMK17_MAKER_ADDRESS ""
#endif

namespace lmk17 {

QString MakerEmail() {
    return QStringLiteral(LMK17_MAKER_EMAIL);
}

QString MakerWebSite() {
    return QStringLiteral(LMK17_MAKER_WEB);
}

QString MakerPostalAddress() {
    return QStringLiteral(LMK17_MAKER_ADDRESS);
}

}  // namespace lmk17
