#pragma once
// What a document file can be before anything reads it: a regular file (not a
// folder, a device or a pipe, which could block or never end) of at most
// 1 MB; a full document is a few kilobytes.

#include <cstdint>

#include "model/idioma.h"

namespace quillon {

inline constexpr std::uintmax_t kTamanoMaximoDocumento = 1 << 20;

namespace mensajes {
// The path follows on its own line.
inline constexpr Texto noEsDocumento{"ERROR: Not a document file:", "ERROR: No es un archivo de documento:"};
inline constexpr Texto demasiadoGrande{"ERROR: The file is too large for a document:",
                                       "ERROR: El archivo es demasiado grande para ser un documento:"};
}  // namespace mensajes

}  // namespace quillon
