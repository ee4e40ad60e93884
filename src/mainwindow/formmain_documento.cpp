// The document: open, save, save as, the unsaved-changes question, closing,
// the equilibrium table editor, and the Help menu.

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "documents/form_splash.h"
#include "documents/form_xyinput.h"
#include "documents/formats/documento.h"
#include "documents/textos.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "platform/archivos.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

constexpr Texto kFiltroBdf{"Binary distillation file (*.bdf)|*.bdf|All files (*.*)|*.*",
                           "Archivo de destilación (*.bdf)|*.bdf|Todos los archivos (*.*)|*.*"};

QString texto(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

}  // namespace

void FormMain::mnu_Archivo_OPEN_Click()
{
    if (preguntarGuardar()) Abrir();
}

void FormMain::mnu_Archivo_SAVE_Click()
{
    if (!nombreArchivo_.isEmpty()) Save(nombreArchivo_);
    else Save_As();
}

void FormMain::Abrir()
{
    const QString carpeta = PathFile.isEmpty() ? plataforma::carpetaPrograma() : PathFile;
    const QString ruta = plataforma::dialogos().abrirArchivo(this, {carpeta, texto(kFiltroBdf), texto(textos::dialogoAbrir), {}});
    if (ruta.isEmpty()) return;
    PathFile = QFileInfo(ruta).absolutePath();
    AbrirRuta(ruta);
}

void FormMain::AbrirRuta(const QString& ruta)
{
    plataforma::LecturaArchivo archivo;
    {
        plataforma::CursorEspera espera;
        archivo = plataforma::leerArchivo(ruta);
    }
    if (archivo.fallo) return plataforma::mensajeError(this, plataforma::mensajeFallo(texto(textos::noSeAbrio), ruta, *archivo.fallo));
    const QByteArray& bytes = archivo.bytes;
    const LecturaBdf lectura = LeerBdf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                       QDir::toNativeSeparators(ruta).toStdString());
    // A file that cannot be loaded leaves the open document as it was.
    if (!lectura.ok()) return plataforma::mensajeError(this, QString::fromStdString(lectura.error));

    const DocumentoDestilacion& d = lectura.doc;
    Borrar();
    // Written as typing would: every box's change handler runs.
    const std::pair<QLineEdit*, const std::string*> cajas[] = {
        {TxtCompA, &d.compA}, {TxtCompB, &d.compB}, {TxtMMA, &d.mma},    {txtMMB, &d.mmb},
        {TxtAlfa, &d.alfa},   {TxtX0A, &d.x0},      {TxtMasa0, &d.masa0},
    };
    for (std::size_t i = 0; i < std::size(cajas); ++i)
        if (lectura.textoPresente[i]) cajas[i].first->setText(QString::fromStdString(*cajas[i].second));
    OptUNIT[static_cast<std::size_t>(d.unidad)]->setChecked(true);
    for (int k = 1; k <= kMaxEtapas; ++k)
        PicMain->escribirAvance(k, QString::fromStdString(d.avance[static_cast<std::size_t>(k - 1)]));
    OptETAP_Click(d.numEtapas);

    estado_.tablaElv = d.tabla;
    if (d.modoTabla) {
        CrearSuperTABLA_ELV(estado_.tablaElv, estado_.superTabla);
        OptTAB->setChecked(true);
        OptTAB_Click();
    } else {
        OptVOL->setChecked(true);
        OptVOL_Click();
    }
    estado_.cadena.invalidar(1, estado_.numEtapas);
    Espoleta();
    // A graph or the table on screen shows the opened document at once, not
    // the blank that Clear left.
    if (vistaActual_ != 0) LabelB_Click(1);
    estado_.modificado = false;
    nombreArchivo_ = ruta;
}

void FormMain::Save(const QString& ruta)
{
    DocumentoDestilacion d;
    d.compA = textoDe(TxtCompA);
    d.compB = textoDe(TxtCompB);
    d.mma = textoDe(TxtMMA);
    d.mmb = textoDe(txtMMB);
    d.alfa = textoDe(TxtAlfa);
    d.x0 = textoDe(TxtX0A);
    d.masa0 = textoDe(TxtMasa0);
    for (int i = 0; i < 4; ++i)
        if (OptUNIT[static_cast<std::size_t>(i)]->isChecked()) d.unidad = i;
    d.numEtapas = estado_.numEtapas;
    for (int k = 1; k <= kMaxEtapas; ++k) d.avance[static_cast<std::size_t>(k - 1)] = PicMain->textoAvance(k).toStdString();
    d.modoTabla = estado_.modoTablaElv;
    d.tabla = estado_.tablaElv;
    const std::string bytes = EscribirBdf(d, plataforma::separadorDecimalSistema());

    std::optional<plataforma::FalloArchivo> fallo;
    {
        plataforma::CursorEspera espera;
        fallo = plataforma::escribirArchivo(ruta, bytes);
    }
    if (fallo) return plataforma::mensajeError(this, plataforma::mensajeFallo(texto(fallo->existia ? textos::noSeSustituyo : textos::noSeGuardo), ruta, *fallo));
    nombreArchivo_ = ruta;
    estado_.modificado = false;
}

void FormMain::Save_As()
{
    const QString carpeta = PathFile.isEmpty() ? plataforma::carpetaPrograma() : PathFile;
    const QString ruta = plataforma::elegirRutaGuardar(
        this, {carpeta, texto(kFiltroBdf), texto(textos::dialogoGuardarComo), QStringLiteral("bdf")});
    if (!ruta.isEmpty()) Save(ruta);
}

bool FormMain::preguntarGuardar()
{
    if (!estado_.modificado) return true;
    const auto r = plataforma::dialogos().mensaje(
        this, texto(textos::guardarCambios) + QDir::toNativeSeparators(nombreArchivo_) + QLatin1Char('?'),
        plataforma::Icono::Pregunta, plataforma::Botones::SiNoCancelar, QStringLiteral("ALMB"));
    if (r == plataforma::Respuesta::Cancelar) return false;
    if (r == plataforma::Respuesta::Si) {
        mnu_Archivo_SAVE_Click();
        return !estado_.modificado;
    }
    return true;
}

void FormMain::closeEvent(QCloseEvent* e)
{
    if (!preguntarGuardar()) return e->ignore();
    guardarAjustes();
    e->accept();
}

void FormMain::EditarTABLA_ELV()
{
    const DatosCompuestos datos{TxtCompA->text(), TxtCompB->text(), TxtMMA->text(), txtMMB->text()};
    FormXYinput editor(estado_.tablaElv, datos, PathTabla, estado_.numero, this);
    editor.exec();
    const auto r = editor.resultado();
    if (r == FormXYinput::Resultado::Aceptada) {
        estado_.tablaElv = editor.tabla();
        TxtCompA->setText(editor.datos().nombreA);
        TxtCompB->setText(editor.datos().nombreB);
        TxtMMA->setText(editor.datos().masaA);
        txtMMB->setText(editor.datos().masaB);
        estado_.modoTablaElv = true;
        // The stills must follow the new table, not the old one.
        estado_.cadena.invalidar();
        Espoleta();
        estado_.modificado = true;
    } else if (r != FormXYinput::Resultado::Cancelada) {
        estado_.modoTablaElv = false;
    }
    if (!estado_.modoTablaElv) {
        if (!OptVOL->isChecked()) {
            OptVOL->setChecked(true);
            OptVOL_Click();
        }
        estado_.modoTablaElv = false;
    } else {
        CrearSuperTABLA_ELV(estado_.tablaElv, estado_.superTabla);
    }
}

void FormMain::mnu_Ayuda_Manual_Click()
{
    const QString nombre = QStringLiteral("Manual_ALMB.pdf");
    QString ruta = QDir(plataforma::carpetaPrograma()).filePath(nombre);
    // Once installed, the manual lives in the package's data folder.
    const QString instalado = QDir(plataforma::carpetaPrograma()).filePath(QStringLiteral("../share/quillon/") + nombre);
    if (!QFileInfo::exists(ruta) && QFileInfo::exists(instalado)) ruta = QDir::cleanPath(instalado);
    if (plataforma::dialogos().abrirConShell(ruta)) return;
    QString mensaje = texto(textos::manualNoEncontrado) + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta);
    if (idiomaDelPrograma() == Idioma::Espanol) mensaje += QStringLiteral("\r\n") + texto(textos::manualAsegurese);
    plataforma::mensajeError(this, mensaje);
}

void FormMain::mnu_Ayuda_Acerca_Click()
{
    FormSplash acerca(true, this);
    acerca.exec();
}

}  // namespace quillon
