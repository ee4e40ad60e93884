#pragma once
// Whole-file reading and writing for the documents, with the operating
// system's error when it fails.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

#include "model/idioma.h"

namespace quillon::plataforma {

struct FalloArchivo {
    int numero = 0;        // the system's error number (or Qt's, when none)
    QString descripcion;   // its text
    bool existia = false;  // the target was there already: it could not be replaced
    // Set when the path was refused before reading: not a regular file, or
    // larger than a document can be. Its message replaces the caller's.
    const Texto* rechazo = nullptr;
};

// The whole file, or why it could not be read. Only a regular file of at
// most a document's size is read, and opening never waits (a pipe).
struct LecturaArchivo {
    QByteArray bytes;
    std::optional<FalloArchivo> fallo;
};
LecturaArchivo leerArchivo(const QString& ruta);

// Writes `bytes` to a temporary file beside `ruta` and renames it over the
// old one only once complete, so a failed save never loses the old file.
std::optional<FalloArchivo> escribirArchivo(const QString& ruta, std::string_view bytes);

// cabecera CR LF path CR LF "Error : " number " - " description; for a
// refused path, the refusal CR LF path.
QString mensajeFallo(const QString& cabecera, const QString& ruta, const FalloArchivo& f);

}  // namespace quillon::plataforma
