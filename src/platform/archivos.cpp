#include "platform/archivos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "formats/limites.h"
#include "platform/texto_qt.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillon::plataforma {
namespace {

FalloArchivo falloDe(const QFileDevice& f, bool existia)
{
    // errno is the system's own number when the failing call set one.
    return {errno != 0 ? errno : static_cast<int>(f.error()), f.errorString(), existia};
}

FalloArchivo rechazo(const Texto& motivo) { return {0, {}, true, &motivo}; }

// Opens `archivo` for reading without waiting: a pipe with no writer would
// hold open() until one comes. What was opened is checked again, in case the
// path changed since it was looked at.
std::optional<FalloArchivo> abrirSinEsperar(QFile& archivo)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(archivo.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FalloArchivo{errno, qt_error_string(errno), true};
    struct stat estado {};
    if (::fstat(fd, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        ::close(fd);
        return rechazo(mensajes::noEsDocumento);
    }
    if (archivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return std::nullopt;
    ::close(fd);
#else
    if (archivo.open(QIODevice::ReadOnly)) return std::nullopt;
#endif
    return falloDe(archivo, true);
}

}  // namespace

LecturaArchivo leerArchivo(const QString& ruta)
{
    LecturaArchivo r;
    // Only a regular file no larger than a document is opened: a folder, a
    // device or a pipe could fail, never end or block.
    const QFileInfo info(ruta);
    if (info.exists() && !info.isFile()) r.fallo = rechazo(mensajes::noEsDocumento);
    else if (info.size() > static_cast<qint64>(kTamanoMaximoDocumento)) r.fallo = rechazo(mensajes::demasiadoGrande);
    if (r.fallo) return r;
    QFile archivo(ruta);
    errno = 0;
    if ((r.fallo = abrirSinEsperar(archivo))) return r;
    // One byte more than a document can hold tells a file that grew since.
    r.bytes = archivo.read(static_cast<qint64>(kTamanoMaximoDocumento) + 1);
    if (r.bytes.size() > static_cast<qsizetype>(kTamanoMaximoDocumento)) {
        r.bytes.clear();
        r.fallo = rechazo(mensajes::demasiadoGrande);
    }
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
    if (f.rechazo) return qtr(*f.rechazo) + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta);
    return cabecera + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta) + QStringLiteral("\r\nError : ") +
           QString::number(f.numero) + QStringLiteral(" - ") + f.descripcion;
}

}  // namespace quillon::plataforma
