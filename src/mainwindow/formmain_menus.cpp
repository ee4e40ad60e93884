// The menu tree, its shortcuts, and the Help menu's commands.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>

#include "documents/form_splash.h"
#include "model/textos.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/vista_tabla.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

// A menu command, found by tests through its object name.
QAction* accion(QMenu* menu, const char* nombre, const QString& texto, const QKeySequence& atajo = {})
{
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setShortcut(atajo);
    return a;
}

// A group of checkable commands named prefijo0, prefijo1...; choosing the
// i-th calls elegir(i). Their texts are written with the other captions.
template <std::size_t N, typename F>
void eleccion(QMenu* menu, const char* prefijo, std::array<QAction*, N>& acciones, F elegir)
{
    for (std::size_t i = 0; i < N; ++i) {
        QAction* a = accion(menu, "", QString());
        a->setObjectName(QString::fromLatin1(prefijo) + QString::number(i));
        a->setCheckable(true);
        QObject::connect(a, &QAction::triggered, menu, [elegir, i] { elegir(static_cast<int>(i)); });
        acciones[i] = a;
    }
}

}  // namespace

void FormMain::crearMenus()
{
    QMenu* archivo = menuBar()->addMenu(qtr(textos::menuArchivo));
    accionCalcular_ = accion(archivo, "accionCalcular", qtr(textos::menuCalcular), Qt::Key_F5);
    connect(accionCalcular_, &QAction::triggered, this, &FormMain::calcular);
    QAction* abrir = accion(archivo, "accionAbrir", qtr(textos::menuAbrir), Qt::CTRL | Qt::Key_O);
    connect(abrir, &QAction::triggered, this, [this] {
        if (preguntarGuardar()) this->abrir();
    });
    connect(accion(archivo, "accionGuardar", qtr(textos::menuGuardar), Qt::CTRL | Qt::Key_S), &QAction::triggered,
            this, &FormMain::guardar);
    connect(accion(archivo, "accionGuardarComo", qtr(textos::menuGuardarComo)), &QAction::triggered, this,
            &FormMain::guardarComo);
    menuRecientes_ = archivo->addMenu(qtr(textos::menuRecientes));
    menuRecientes_->setObjectName(QStringLiteral("menuRecientes"));
    archivo->addSeparator();
    accionExportarCsv_ = accion(archivo, "accionExportarCsv", qtr(textos::menuExportarCsv));
    accionExportarCsv_->setEnabled(false);
    connect(accionExportarCsv_, &QAction::triggered, this, [this] { TxtXAvan->exportarCsv(PathFile); });
    accionExportarGrafico_ = accion(archivo, "accionExportarGrafico", qtr(textos::menuExportarGrafico));
    accionExportarGrafico_->setEnabled(false);
    connect(accionExportarGrafico_, &QAction::triggered, this, &FormMain::exportarGrafico);
    accionImprimir_ = accion(archivo, "accionImprimir", qtr(textos::menuImprimir), Qt::CTRL | Qt::Key_P);
    accionImprimir_->setEnabled(false);
    connect(accionImprimir_, &QAction::triggered, this, &FormMain::imprimir);
    archivo->addSeparator();
    connect(accion(archivo, "accionSalir", qtr(textos::menuSalir), Qt::CTRL | Qt::Key_F4), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edicion = menuBar()->addMenu(qtr(textos::menuEdicion));
    connect(accion(edicion, "accionCopiar", qtr(textos::menuCopiar), Qt::CTRL | Qt::Key_C), &QAction::triggered, this,
            &FormMain::copiar);
    connect(accion(edicion, "accionPredecirTabla", qtr(textos::predecirTabla)), &QAction::triggered, this,
            &FormMain::predecirTabla);

    QMenu* ver = menuBar()->addMenu(qtr(textos::menuVer));
    eleccion(ver, "accionVista", accionesVista_, [this](int i) { elegirVista(i); });
    ver->addSeparator();
    QMenu* colores = ver->addMenu(qtr(textos::menuColorLiquido));
    eleccion(colores, "accionColor", accionesColor_, [this](int i) { elegirColor(i); });

    paginaAnterior_ = new QAction(this);
    paginaAnterior_->setShortcut(QKeySequence(Qt::Key_PageUp));
    connect(paginaAnterior_, &QAction::triggered, fila_, &FilaEtapas::Anterior);
    paginaSiguiente_ = new QAction(this);
    paginaSiguiente_->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(paginaSiguiente_, &QAction::triggered, fila_, &FilaEtapas::Siguiente);
    addActions({paginaAnterior_, paginaSiguiente_});

    QMenu* ayuda = menuBar()->addMenu(qtr(textos::menuAyuda));
    connect(accion(ayuda, "accionManual", qtr(textos::menuManual), QKeySequence::HelpContents), &QAction::triggered, this,
            &FormMain::abrirManual);
    connect(accion(ayuda, "accionAcercaDe", qtr(textos::menuAcerca), Qt::SHIFT | Qt::Key_F1), &QAction::triggered,
            this, &FormMain::acercaDe);
}

void FormMain::abrirManual()
{
    const QString nombre = QStringLiteral("Manual_ALMB.pdf");
    QString ruta = QDir(plataforma::carpetaPrograma()).filePath(nombre);
    // Once installed, the manual lives in the package's data folder.
    const QString instalado = QDir(plataforma::carpetaPrograma()).filePath(QStringLiteral("../share/quillon/") + nombre);
    if (!QFileInfo::exists(ruta) && QFileInfo::exists(instalado)) ruta = QDir::cleanPath(instalado);
    plataforma::dialogos().abrirConShell(ruta, this, [this, ruta] { manualNoAbierto(ruta); });
}

void FormMain::manualNoAbierto(const QString& ruta)
{
    // The manual is there but nothing opens PDF files: say so, and where it is.
    if (QFileInfo::exists(ruta))
        return plataforma::mensajeError(this, qtr(textos::sinLectorPdf) + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta));
    QString mensaje = qtr(textos::manualNoEncontrado) + QStringLiteral("\r\n") + QDir::toNativeSeparators(ruta);
    if (idiomaDelPrograma() == Idioma::Espanol) mensaje += QStringLiteral("\r\n") + qtr(textos::manualAsegurese);
    plataforma::mensajeError(this, mensaje);
}

void FormMain::acercaDe()
{
    FormSplash acerca(true, this);
    acerca.exec();
}

}  // namespace quillon
