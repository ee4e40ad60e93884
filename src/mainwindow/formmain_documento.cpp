// The document: open, save, save as, the unsaved-changes question, closing,
// and the equilibrium table editor.

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "platform/escritura.h"
#include "documents/form_prediccion.h"
#include "documents/form_xyinput.h"
#include "formats/documento.h"
#include "model/textos.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "mainwindow/paneles_entrada.h"
#include "model/formato.h"
#include "platform/archivos.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr Texto kFiltroBdf{"Binary distillation file (*.bdf)|*.bdf|All files (*.*)|*.*",
                           "Archivo de destilación (*.bdf)|*.bdf|Todos los archivos (*.*)|*.*"};
constexpr int kRecientes = 4;
const QString kClaveRecientes = QStringLiteral("RECENT_FILES");

// The last documents, as many as the menu shows however many the settings
// hold.
QStringList leerRecientes() { return plataforma::leerLista(kClaveRecientes).mid(0, kRecientes); }

}  // namespace

void FormMain::fijarNombreArchivo(const QString& ruta)
{
    nombreArchivo_ = ruta;
    ponerTitulo();
    if (ruta.isEmpty()) return;
    QStringList recientes = leerRecientes();
    recientes.removeAll(ruta);
    recientes.prepend(ruta);
    plataforma::guardarLista(kClaveRecientes, recientes.mid(0, kRecientes));
    mostrarRecientes();
}

void FormMain::ponerTitulo()
{
    // The document's name and Qt's mark for unsaved changes come first.
    const QString nombre = nombreArchivo_.isEmpty() ? qtr(textos::sinTitulo) : QFileInfo(nombreArchivo_).fileName();
    setWindowTitle(nombre + QStringLiteral("[*] - ") + qtr(textos::tituloVentana));
    setWindowModified(sim_->modificado());
}

void FormMain::mostrarRecientes()
{
    menuRecientes_->clear();
    const QStringList recientes = leerRecientes();
    for (int i = 0; i < recientes.size(); ++i) {
        const QString ruta = recientes[i];
        QAction* a = menuRecientes_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(ruta).fileName()));
        a->setObjectName(QStringLiteral("accionReciente%1").arg(i));
        a->setToolTip(QDir::toNativeSeparators(ruta));
        connect(a, &QAction::triggered, this, [this, ruta] { abrirReciente(ruta); });
    }
    menuRecientes_->setEnabled(!recientes.isEmpty());
}

void FormMain::abrirReciente(const QString& ruta)
{
    if (!preguntarGuardar()) return;
    if (!QFileInfo::exists(ruta)) {
        // A file that went away leaves the list with a word.
        QStringList recientes = leerRecientes();
        recientes.removeAll(ruta);
        plataforma::guardarLista(kClaveRecientes, recientes);
        mostrarRecientes();
        return plataforma::mensajeError(
            this, qtr(textos::recienteDesaparecido) + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta));
    }
    abrirDocumento(ruta);
}

void FormMain::abrir()
{
    const QString ruta = plataforma::dialogos().abrirArchivo(
        this, {plataforma::carpetaInicial(PathFile), qtr(kFiltroBdf), qtr(textos::dialogoAbrir), {}});
    if (!ruta.isEmpty()) abrirDocumento(ruta);
}

void FormMain::abrirDocumento(const QString& ruta)
{
    // The folder of a file chosen to open is remembered, whether it loads or not.
    PathFile = QFileInfo(ruta).absolutePath();
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

    // The views follow: the one on screen shows the opened document.
    sim_->cargar(lectura);
    sim_->marcarGuardado();
    fijarNombreArchivo(ruta);
    barraVistas_->setFocus();
}

void FormMain::abrirArgumento(const QString& ruta)
{
    if (QFileInfo(ruta).suffix().compare(QLatin1String("vle"), Qt::CaseInsensitive) == 0) return editarTablaELV(ruta);
    abrirDocumento(ruta);
}

void FormMain::guardar()
{
    if (!nombreArchivo_.isEmpty()) guardarEn(nombreArchivo_);
    else guardarComo();
}

void FormMain::guardarEn(const QString& ruta)
{
    bool sustituyo = false;
    const std::string bytes = EscribirBdf(sim_->documento(), plataforma::separadorDecimalSistema(), &sustituyo);
    if (const auto mensaje = guardarArchivo(ruta, bytes)) return plataforma::mensajeError(this, *mensaje);
    sim_->marcarGuardado();
    // The next dialog starts where the document now is.
    PathFile = QFileInfo(ruta).absolutePath();
    fijarNombreArchivo(ruta);
    if (sustituyo) plataforma::notaDeEstado(this, qtr(textos::guardadoConSustitutos));
}

void FormMain::guardarComo()
{
    const QString ruta = plataforma::elegirRutaGuardar(
        this, {plataforma::carpetaInicial(PathFile), qtr(kFiltroBdf), qtr(textos::dialogoGuardarComo), QStringLiteral("bdf")});
    if (!ruta.isEmpty()) guardarEn(ruta);
}

bool FormMain::preguntarGuardar()
{
    if (!sim_->modificado()) return true;
    const auto r = plataforma::dialogos().mensaje(
        this,
        qtr(textos::guardarCambios) +
            (nombreArchivo_.isEmpty() ? qtr(textos::sinTitulo) : QDir::toNativeSeparators(nombreArchivo_)) + QLatin1Char('?'),
        plataforma::Icono::Pregunta, plataforma::Botones::SiNoCancelar, QStringLiteral("Quillon"));
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

void FormMain::predecirTabla()
{
    FormPrediccion dialogo(sim_->texto(Entrada::CompA), sim_->texto(Entrada::CompB), sim_->condiciones(),
                           sim_->separador(), this);
    dialogo.exec();
    if (dialogo.resultado() == FormPrediccion::Resultado::Cancelada) return;
    sim_->fijarCondiciones(dialogo.condiciones());
    // Names the user changed in the dialog go into the boxes as typed.
    if (dialogo.nombreA() != sim_->texto(Entrada::CompA).trimmed())
        sim_->escribirComoTecleado(Entrada::CompA, dialogo.nombreA());
    if (dialogo.nombreB() != sim_->texto(Entrada::CompB).trimmed())
        sim_->escribirComoTecleado(Entrada::CompB, dialogo.nombreB());
    if (dialogo.resultado() == FormPrediccion::Resultado::Tabla) {
        sim_->aceptarTabla(dialogo.tabla());
    } else {
        sim_->escribirComoTecleado(Entrada::Alfa, QString::fromStdString(FormatoNumero(dialogo.alfa(), 5, sim_->separador())));
        paneles_->elegirVolatilidad();
    }
}

void FormMain::editarTablaELV(const QString& archivoTabla)
{
    const DatosCompuestos datos{sim_->texto(Entrada::CompA), sim_->texto(Entrada::CompB), sim_->texto(Entrada::MMA),
                                sim_->texto(Entrada::MMB)};
    FormXYinput editor(sim_->tablaELV(), datos, PathTabla, sim_->numero(), this);
    if (!archivoTabla.isEmpty()) editor.abrirArchivo(archivoTabla);
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
