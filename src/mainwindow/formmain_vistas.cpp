// The four views, the label buttons, the menus, the timers and the keys.

#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include "documents/textos.h"
#include "graphs/cursor_deslizante.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "graphs/imprimir.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

QString texto(const Texto& t) { return QString::fromUtf8(quillon::tr(t)); }

}  // namespace

void FormMain::crearMenus()
{
    QMenu* archivo = menuBar()->addMenu(texto(textos::menuArchivo));
    mnu_Archivo_CALC = archivo->addAction(texto(textos::menuCalcular), QKeySequence(Qt::Key_F5), this, [this] { LabelB_Click(1); });
    mnu_Archivo_OPEN = archivo->addAction(texto(textos::menuAbrir), QKeySequence(Qt::CTRL | Qt::Key_O), this, &FormMain::mnu_Archivo_OPEN_Click);
    mnu_Archivo_SAVE = archivo->addAction(texto(textos::menuGuardar), QKeySequence(Qt::CTRL | Qt::Key_S), this, &FormMain::mnu_Archivo_SAVE_Click);
    mnu_Archivo_SAVEAS = archivo->addAction(texto(textos::menuGuardarComo), this, &FormMain::Save_As);
    archivo->addSeparator();
    mnu_Archivo_PRINT = archivo->addAction(texto(textos::menuImprimir), QKeySequence(Qt::CTRL | Qt::Key_P), this, &FormMain::mnu_Archivo_PRINT_Click);
    mnu_Archivo_PRINT->setEnabled(false);
    archivo->addSeparator();
    mnu_archivo_salir = archivo->addAction(texto(textos::menuSalir), QKeySequence(Qt::CTRL | Qt::Key_F4), this, &QWidget::close);

    QMenu* edicion = menuBar()->addMenu(texto(textos::menuEdicion));
    mnu_edicion_copy = edicion->addAction(texto(textos::menuCopiar), QKeySequence(Qt::CTRL | Qt::Key_C), this, &FormMain::mnu_edicion_copy_Click);

    QMenu* ver = menuBar()->addMenu(texto(textos::menuVer));
    for (int i = 0; i < 4; ++i) {
        QAction* a = ver->addAction(QString(), this, [this, i] { LblMENU_Click(i); });
        a->setCheckable(true);
        mnu_ver_panel[static_cast<std::size_t>(i)] = a;
    }
    ver->addSeparator();
    QMenu* colores = ver->addMenu(texto(textos::menuColorLiquido));
    for (int i = 0; i < 5; ++i) {
        QAction* a = colores->addAction(QString(), this, [this, i] { mnu_ver_colorix_Click(i); });
        a->setCheckable(true);
        mnu_ver_colorix[static_cast<std::size_t>(i)] = a;
    }

    paginaAnterior = new QAction(this);
    paginaAnterior->setShortcut(QKeySequence(Qt::Key_PageUp));
    connect(paginaAnterior, &QAction::triggered, this, [this] { LabelB_Click(3); });
    paginaSiguiente = new QAction(this);
    paginaSiguiente->setShortcut(QKeySequence(Qt::Key_PageDown));
    connect(paginaSiguiente, &QAction::triggered, this, [this] { LabelB_Click(4); });
    addActions({paginaAnterior, paginaSiguiente});

    QMenu* ayuda = menuBar()->addMenu(texto(textos::menuAyuda));
    mnu_Ayuda_Manual = ayuda->addAction(texto(textos::menuManual), this, &FormMain::mnu_Ayuda_Manual_Click);
    mnu_Ayuda_Acerca = ayuda->addAction(texto(textos::menuAcerca), QKeySequence(Qt::SHIFT | Qt::Key_F1), this, &FormMain::mnu_Ayuda_Acerca_Click);
}

void FormMain::Actualizar()
{
    for (int k = kMaxEtapas; k >= 1; --k)
        if (OptETAP[static_cast<std::size_t>(k)]->isChecked()) estado_.numEtapas = k;
    PicMain->Actualizar();
}

void FormMain::LblMENU_Click(int i)
{
    vistaActual_ = i;
    for (int j = 0; j < 4; ++j) {
        const bool elegida = j == i;
        LblMENU[static_cast<std::size_t>(j)]->setDibujo(elegida ? BotonImagen::Dibujo::PestanaActiva : BotonImagen::Dibujo::Pestana);
        LblMENU[static_cast<std::size_t>(j)]->setNegrita(elegida);
        mnu_ver_panel[static_cast<std::size_t>(j)]->setChecked(elegida);
    }
    PicPanelXAV->activarApagador(false);
    // The page keys belong to the row only while it is shown; elsewhere they
    // scroll the lists and the table as usual.
    paginaAnterior->setEnabled(i == 0);
    paginaSiguiente->setEnabled(i == 0);
    switch (i) {
    case 0: Set_Option_Inicio(); break;
    case 1: Set_Option_VLE(); break;
    case 2: Set_Option_GRAFXAVAN(); break;
    default: Set_Option_TABLXAVAN(); break;
    }
}

void FormMain::mostrarSolo(QWidget* vista)
{
    for (QWidget* w : std::initializer_list<QWidget*>{PicVLE, PicXAvan, PicPanelXAV, PicTABLA, TxtXAvan})
        if (w != vista) w->hide();
    PicMSG->raise();
}

void FormMain::Set_Option_Inicio()
{
    mostrarSolo(PicMain);
    PicMain->show();
    mnu_Archivo_PRINT->setEnabled(false);
    Actualizar();
}

void FormMain::Set_Option_VLE()
{
    mostrarSolo(PicVLE);
    PicVLE->show();
    PicVLE->raise();
    PicMSG->raise();
    PicVLE->Dibujar_VLE();
    mnu_Archivo_PRINT->setEnabled(true);
}

void FormMain::Set_Option_GRAFXAVAN()
{
    mostrarSolo(PicXAvan);
    PicXAvan->show();
    PicPanelXAV->show();
    PicXAvan->raise();
    PicPanelXAV->raise();
    PicMSG->raise();
    Actualizar();
    PicXAvan->Dibujar_XAV();
    PicPanelXAV->activarApagador(true);
    mnu_Archivo_PRINT->setEnabled(true);
}

void FormMain::Set_Option_TABLXAVAN()
{
    mostrarSolo(PicTABLA);
    PicTABLA->show();
    TxtXAvan->show();
    PicTABLA->raise();
    TxtXAvan->raise();
    PicMSG->raise();
    mnu_Archivo_PRINT->setEnabled(false);
    Actualizar();
    CrearTabla();
}

void FormMain::LabelB_Click(int i)
{
    switch (i) {
    case 0:
        EditarTABLA_ELV();
        redibujarVLESiVisible();
        break;
    case 1:
        Actualizar();
        if (TxtXAvan->isVisible()) CrearTabla();
        if (PicXAvan->isVisible()) PicXAvan->Dibujar_XAV();
        if (PicVLE->isVisible()) PicVLE->Dibujar_VLE();
        break;
    case 2: Borrar(); break;
    case 3: PicMain->Previous(); break;
    case 4: PicMain->Siguiente(); break;
    case 5: CopiarTabla(); break;
    case 6: plataforma::copiarImagen(PicXAvan->imagen()); break;
    default: break;
    }
}

void FormMain::mnu_edicion_copy_Click()
{
    if (PicVLE->isVisible()) plataforma::copiarImagen(PicVLE->imagen());
    if (PicXAvan->isVisible()) plataforma::copiarImagen(PicXAvan->imagen());
    if (TxtXAvan->isVisible()) CopiarTabla();
}

void FormMain::TmrACT_Timer()
{
    Actualizar();
    if (marcaCarga_ == -1) {
        // The first refresh after loading is not a change of the document.
        marcaCarga_ = 0;
        estado_.modificado = false;
    }
    TmrACT->stop();
}

void FormMain::TmrMSG_Timer()
{
    if (!LblMSG->text().isEmpty()) {
        PicMSG->show();
        PicMSG->raise();
        PicMain->blanquear();
    } else if (PicMSG->isVisible()) {
        PicMSG->hide();
    }
}

void FormMain::redibujarVLESiVisible()
{
    if (PicVLE->isVisible()) PicVLE->Dibujar_VLE();
}

void FormMain::mostrarControlesAlfa(bool alfa)
{
    // Alpha mode shows the volatility box with its scale and cursor; table
    // mode the button of the table editor.
    Label3[1]->setVisible(alfa);
    TxtAlfa->setVisible(alfa);
    Image2[0]->setVisible(alfa);
    static_cast<Panel*>(PicAlfa)->setLineaVisible(alfa);
    LabelB[0]->setVisible(!alfa);
}

void FormMain::OptVOL_Click()
{
    estado_.modoTablaElv = false;
    estado_.cadena.invalidar();
    Actualizar();
    redibujarVLESiVisible();
    mostrarControlesAlfa(true);
}

void FormMain::OptTAB_Click()
{
    mostrarControlesAlfa(false);
    estado_.cadena.invalidar();
    // Only a table with a point between the pure components can be used.
    if (estado_.tablaElv.ultPunto > 0 && tablaUtilizable(estado_.tablaElv)) estado_.modoTablaElv = true;
    Actualizar();
    redibujarVLESiVisible();
}

void FormMain::OptETAXAV_Click(int)
{
    if (estado_.escribiendoTexto) return;
    estado_.cadena.invalidar();
    PicMain->fijarPrimeraEtapa(0);
    Actualizar();
    if (PicXAvan->isVisible()) PicXAvan->Dibujar_XAV();
}

void FormMain::OptUNIT_Click(int)
{
    Actualizar();
    estado_.modificado = true;
}

void FormMain::OptETAP_Click(int k)
{
    OptETAP[static_cast<std::size_t>(k)]->setChecked(true);
    estado_.cadena.invalidar();
    for (int j = 1; j <= kMaxEtapas; ++j) OptETATAB[static_cast<std::size_t>(j)]->setVisible(j <= k);
    PicPanelXAV->mostrarEtapas(k);
    {
        Escribiendo guarda(estado_);
        OptETATAB[1]->setChecked(true);
    }
    PicMain->fijarPrimeraEtapa(0);
    Actualizar();
    estado_.modificado = true;
    PicBarTool->setFocus();
}

void FormMain::mnu_ver_colorix_Click(int i)
{
    for (int j = 0; j < 5; ++j) mnu_ver_colorix[static_cast<std::size_t>(j)]->setChecked(j == i);
    PicMain->fijarEsquemaColor(i);
}

void FormMain::mnu_Archivo_PRINT_Click()
{
    imprimirGrafico(this, PicVLE->isVisible() ? PicVLE : nullptr, PicXAvan->isVisible() ? PicXAvan : nullptr,
                    LblMSG->text());
}

}  // namespace quillon
