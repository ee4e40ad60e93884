#include "platform/escritura.h"

#include "platform/archivos.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {

std::optional<QString> guardarArchivo(const QString& ruta, std::string_view bytes, const Texto& noSeGuardo)
{
    std::optional<plataforma::FalloArchivo> fallo;
    {
        plataforma::CursorEspera espera;
        fallo = plataforma::escribirArchivo(ruta, bytes);
    }
    if (!fallo) return std::nullopt;
    return plataforma::mensajeFallo(qtr(fallo->existia ? textos::noSeSustituyo : noSeGuardo), ruta, *fallo);
}

}  // namespace quillon
