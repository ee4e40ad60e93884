#pragma once
// The build language's twin of a text, as Qt wants it. (Named qtr because,
// inside a QObject, tr means QObject::tr.)

#include <QString>

#include "model/idioma.h"

namespace quillon {

inline QString qtr(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

}  // namespace quillon
