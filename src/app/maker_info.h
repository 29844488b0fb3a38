#pragma once

#include <QString>

namespace lmk17 {

// The maker's addresses shown by the about window and the links. They are
// set when the program is built (LMK17_MAKER_EMAIL, LMK17_MAKER_WEB,
// LMK17_MAKER_ADDRESS); while empty, the links and "Browse WWW site" are
// hidden.
QString MakerEmail();
QString MakerWebSite();
QString MakerPostalAddress();

}  // namespace lmk17
