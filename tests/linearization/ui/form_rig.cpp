#include "form_rig.h"

#include "config/defaults.h"

namespace lmk17::test {

QString PastedPoints() {
    QString text = QStringLiteral("R [Ohm]\tt [°C]\n");
    for (int i = 0; i < 12; ++i) {
        const double r = 20 + 30 * i;
        const double t = 2.58 * r - 258.5 + 0.00045 * r * r;
        text += QString::number(r, 'f', 1).replace('.', ',') + '\t' +
                QString::number(t, 'f', 3).replace('.', ',') + "\r\n";
    }
    return text;
}

}  // namespace lmk17::test
