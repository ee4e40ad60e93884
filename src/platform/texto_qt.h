#pragma once
// The build language's twin of a text, as Qt wants it. (Named qtr because,
// inside a QObject, tr means QObject::tr.)

#include <QString>
#include <string_view>

#include "model/idioma.h"

namespace quillon {

inline QString qtr(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }
// A text of the model (UTF-8, not NUL-terminated) as Qt wants it.
inline QString qtexto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace quillon
