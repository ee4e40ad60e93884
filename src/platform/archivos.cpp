#include "platform/archivos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace quillon::plataforma {
namespace {

FalloArchivo falloDe(const QFileDevice& f, bool existia)
{
    // errno is the system's own number when the failing call set one.
    return {errno != 0 ? errno : static_cast<int>(f.error()), f.errorString(), existia};
}

}  // namespace

LecturaArchivo leerArchivo(const QString& ruta)
{
    LecturaArchivo r;
    QFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::ReadOnly)) r.fallo = falloDe(archivo, true);
    else r.bytes = archivo.readAll();
    return r;
}

std::optional<FalloArchivo> escribirArchivo(const QString& ruta, std::string_view bytes)
{
    const bool existia = QFileInfo::exists(ruta);
    const auto largo = static_cast<qint64>(bytes.size());
    QSaveFile archivo(ruta);
    errno = 0;
    // Unbuffered: every byte is handed to the system by write() itself, so a
    // full disk fails the write here. A buffered write that fails only when
    // the buffer is flushed can let commit() rename an empty file over the
    // old one and report success.
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return falloDe(archivo, existia);
    if (archivo.write(bytes.data(), largo) != largo || !archivo.flush()) {
        const FalloArchivo f = falloDe(archivo, existia);
        archivo.cancelWriting();
        return f;
    }
    if (!archivo.commit()) return falloDe(archivo, existia);
    return std::nullopt;
}

QString mensajeFallo(const QString& cabecera, const QString& ruta, const FalloArchivo& f)
{
    return cabecera + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta) + QStringLiteral("\r\nError : ") +
           QString::number(f.numero) + QStringLiteral(" - ") + f.descripcion;
}

}  // namespace quillon::plataforma
