#pragma once

#include <QCoreApplication>

namespace lmk17 {

// The linearization's messages and captions live in the translation context
// "Linearization": LinTexts::tr("...").
struct LinTexts {
    Q_DECLARE_TR_FUNCTIONS(Linearization)
};

}  // namespace lmk17
