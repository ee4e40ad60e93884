// The table editor's Open... and Save as...: table files (.vle), and the
// names, molar masses and rows of distillation files (.bdf).

#include <QDir>
#include <QFileInfo>
#include <string>

#include "documents/form_xyinput.h"
#include "documents/form_xyinput_textos.h"
#include "platform/escritura.h"
#include "model/textos.h"
#include "formats/archivo_tabla.h"
#include "platform/archivos.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

plataforma::PeticionArchivo peticion(const QString& pathTabla, const Texto& filtro, const Texto& titulo)
{
    return {plataforma::carpetaInicial(pathTabla), qtr(filtro), qtr(titulo), {}};
}

// A missing tag leaves the editor's text as it was.
void tomarTexto(const std::optional<std::string>& leido, QString& destino)
{
    if (leido) destino = QString::fromStdString(*leido);
}

}  // namespace

void FormXYinput::Abrir()
{
    const QString ruta = plataforma::dialogos().abrirArchivo(
        this, peticion(pathTabla_, textos_xy::filtroAbrir, textos::dialogoAbrir));
    if (!ruta.isEmpty()) abrirArchivo(ruta);
}

void FormXYinput::abrirArchivo(const QString& ruta)
{
    pathTabla_ = QFileInfo(ruta).absolutePath();
    QString error;
    {
        plataforma::CursorEspera espera;
        error = leerTabla(ruta);
    }
    if (!error.isEmpty()) plataforma::mensajeError(this, error);
}

QString FormXYinput::leerTabla(const QString& ruta)
{
    const plataforma::LecturaArchivo archivo = plataforma::leerArchivo(ruta);
    if (archivo.fallo) return plataforma::mensajeFallo(qtr(textos::noSeAbrio), ruta, *archivo.fallo);
    const QByteArray& bytes = archivo.bytes;
    const std::string rutaVisible = QDir::toNativeSeparators(ruta).toStdString();
    const LecturaVle leido =
        LeerVle(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), rutaVisible);
    tomarTexto(leido.nombreA, datos_.nombreA);
    tomarTexto(leido.nombreB, datos_.nombreB);
    tomarTexto(leido.masaA, datos_.masaA);
    tomarTexto(leido.masaB, datos_.masaB);
    // Without the table block the names read stay and the rows stay as they were.
    if (!leido.error.empty()) return QString::fromStdString(leido.error);
    TablaX = *leido.x;
    TablaY = *leido.y;
    mostrarDesdeArriba();
    return {};
}

void FormXYinput::Guardar()
{
    plataforma::PeticionArchivo p = peticion(pathTabla_, textos_xy::filtroGuardar, textos::dialogoGuardarComo);
    p.sufijo = QStringLiteral("vle");
    const QString ruta = plataforma::elegirRutaGuardar(this, p);
    if (ruta.isEmpty()) return;
    pathTabla_ = QFileInfo(ruta).absolutePath();
    QString error;
    {
        plataforma::CursorEspera espera;
        error = escribirTabla(ruta);
    }
    if (!error.isEmpty()) plataforma::mensajeError(this, error);
}

// The new file is written beside the old one and renamed over it, so a
// failed save leaves the old file whole. The rows go out as they stand,
// neither checked nor completed.
QString FormXYinput::escribirTabla(const QString& ruta) const
{
    const ArchivoTablaELV contenido{datos_.nombreA.toStdString(), datos_.nombreB.toStdString(),
                                    datos_.masaA.toStdString(), datos_.masaB.toStdString(), TablaX, TablaY};
    bool sustituyo = false;
    const std::string bytes = EscribirVle(contenido, plataforma::separadorDecimalSistema(), &sustituyo);
    const auto fallo = guardarArchivo(ruta, bytes, textos_xy::noSeGuardo);
    if (!fallo && sustituyo) plataforma::notaDeEstado(parentWidget(), qtr(textos::guardadoConSustitutos));
    return fallo.value_or(QString());
}

}  // namespace quillon
