// The document: open, save, save as, the unsaved-changes question, closing,
// and the equilibrium table editor.

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

#include "documents/form_xyinput.h"
#include "documents/formats/documento.h"
#include "documents/textos.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "mainwindow/formmain.h"
#include "mainwindow/paneles_entrada.h"
#include "platform/archivos.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kFiltroBdf{"Binary distillation file (*.bdf)|*.bdf|All files (*.*)|*.*",
                           "Archivo de destilación (*.bdf)|*.bdf|Todos los archivos (*.*)|*.*"};

}  // namespace

void FormMain::abrir()
{
    const QString carpeta = PathFile.isEmpty() ? plataforma::carpetaPrograma() : PathFile;
    const QString ruta =
        plataforma::dialogos().abrirArchivo(this, {carpeta, qtr(kFiltroBdf), qtr(textos::dialogoAbrir), {}});
    if (ruta.isEmpty()) return;
    PathFile = QFileInfo(ruta).absolutePath();
    abrirDocumento(ruta);
}

void FormMain::abrirDocumento(const QString& ruta)
{
    plataforma::LecturaArchivo archivo;
    {
        plataforma::CursorEspera espera;
        archivo = plataforma::leerArchivo(ruta);
    }
    if (archivo.fallo)
        return plataforma::mensajeError(this, plataforma::mensajeFallo(qtr(textos::noSeAbrio), ruta, *archivo.fallo));
    const QByteArray& bytes = archivo.bytes;
    const LecturaBdf lectura = LeerBdf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                       QDir::toNativeSeparators(ruta).toStdString());
    // A file that cannot be loaded leaves the open document as it was.
    if (!lectura.ok()) return plataforma::mensajeError(this, QString::fromStdString(lectura.error));

    sim_->cargar(lectura);
    graficoELV_->limpiar();
    graficoAvance_->limpiar();
    TxtXAvan->clear();
    elegirNumEtapas(sim_->numEtapas());
    // A graph or the table on screen shows the opened document at once, not
    // the blank that the loading left.
    if (vistaActual_ != Inicio) calcular();
    sim_->marcarGuardado();
    nombreArchivo_ = ruta;
}

void FormMain::guardar()
{
    if (!nombreArchivo_.isEmpty()) guardarEn(nombreArchivo_);
    else guardarComo();
}

void FormMain::guardarEn(const QString& ruta)
{
    const std::string bytes = EscribirBdf(sim_->documento(), plataforma::separadorDecimalSistema());
    std::optional<plataforma::FalloArchivo> fallo;
    {
        plataforma::CursorEspera espera;
        fallo = plataforma::escribirArchivo(ruta, bytes);
    }
    if (fallo) {
        const Texto& cabecera = fallo->existia ? textos::noSeSustituyo : textos::noSeGuardo;
        return plataforma::mensajeError(this, plataforma::mensajeFallo(qtr(cabecera), ruta, *fallo));
    }
    nombreArchivo_ = ruta;
    sim_->marcarGuardado();
}

void FormMain::guardarComo()
{
    const QString carpeta = PathFile.isEmpty() ? plataforma::carpetaPrograma() : PathFile;
    const QString ruta = plataforma::elegirRutaGuardar(
        this, {carpeta, qtr(kFiltroBdf), qtr(textos::dialogoGuardarComo), QStringLiteral("bdf")});
    if (!ruta.isEmpty()) guardarEn(ruta);
}

bool FormMain::preguntarGuardar()
{
    if (!sim_->modificado()) return true;
    const auto r = plataforma::dialogos().mensaje(
        this, qtr(textos::guardarCambios) + QDir::toNativeSeparators(nombreArchivo_) + QLatin1Char('?'),
        plataforma::Icono::Pregunta, plataforma::Botones::SiNoCancelar, QStringLiteral("ALMB"));
    if (r == plataforma::Respuesta::Cancelar) return false;
    if (r == plataforma::Respuesta::Si) {
        guardar();
        return !sim_->modificado();
    }
    return true;
}

void FormMain::closeEvent(QCloseEvent* e)
{
    if (!preguntarGuardar()) return e->ignore();
    guardarAjustes();
    e->accept();
}

void FormMain::editarTablaELV()
{
    const DatosCompuestos datos{sim_->texto(Entrada::CompA), sim_->texto(Entrada::CompB), sim_->texto(Entrada::MMA),
                                sim_->texto(Entrada::MMB)};
    FormXYinput editor(sim_->tablaELV(), datos, PathTabla, sim_->numero(), this);
    editor.exec();
    const auto r = editor.resultado();
    if (r == FormXYinput::Resultado::Aceptada) {
        sim_->aceptarTabla(editor.tabla());
        // The names and molar masses go back as typing would put them.
        sim_->escribirComoTecleado(Entrada::CompA, editor.datos().nombreA);
        sim_->escribirComoTecleado(Entrada::CompB, editor.datos().nombreB);
        sim_->escribirComoTecleado(Entrada::MMA, editor.datos().masaA);
        sim_->escribirComoTecleado(Entrada::MMB, editor.datos().masaB);
    } else if (r != FormXYinput::Resultado::Cancelada) {
        sim_->perderTabla();
    }
    // Without a table in force the volatility option is chosen again.
    if (!sim_->modoTabla()) paneles_->elegirVolatilidad();
}

}  // namespace quillon
