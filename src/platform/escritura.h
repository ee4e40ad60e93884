#pragma once
// Every save of the program, whatever it writes: the checked write, and on
// failure the message the user is shown.

#include <QString>
#include <optional>
#include <string_view>

#include "model/textos.h"

namespace quillon {

// Writes `bytes` to `ruta` through the checked write. On failure, the message
// to show: "Unable to replace the file" over an old file, `noSeGuardo`
// otherwise, with the path and the system's reason.
std::optional<QString> guardarArchivo(const QString& ruta, std::string_view bytes,
                                      const Texto& noSeGuardo = textos::noSeGuardo);

}  // namespace quillon
