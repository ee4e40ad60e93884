// The four views, the commands that act on the view shown, and the options
// that only concern the window.

#include <QAction>
#include <QLabel>

#include "graphs/exportar.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/imprimir.h"
#include "graphs/panel_avance.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "mainwindow/panel_tabla.h"
#include "mainwindow/vista_tabla.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "simulacion/simulacion.h"

namespace quillon {

void FormMain::elegirVista(int i)
{
    vistaActual_ = i;
    for (int j = 0; j < 4; ++j) {
        const bool elegida = j == i;
        pestanas_[static_cast<std::size_t>(j)]->setDibujo(elegida ? BotonImagen::Dibujo::PestanaActiva
                                                                  : BotonImagen::Dibujo::Pestana);
        pestanas_[static_cast<std::size_t>(j)]->setNegrita(elegida);
        accionesVista_[static_cast<std::size_t>(j)]->setChecked(elegida);
    }
    panelAvance_->activarApagador(false);
    // The page keys belong to the row only while it is shown; elsewhere they
    // scroll the lists and the table as usual.
    paginaAnterior_->setEnabled(i == Inicio);
    paginaSiguiente_->setEnabled(i == Inicio);
    // Only the graphs print.
    accionImprimir_->setEnabled(i == DiagramaELV || i == GraficoProgreso);
    accionExportarCsv_->setEnabled(i == TablaProgreso);
    accionExportarGrafico_->setEnabled(i == DiagramaELV || i == GraficoProgreso);
    QWidget* const vistas[] = {fila_, graficoELV_, graficoAvance_, TxtXAvan};
    QWidget* const paneles[] = {nullptr, nullptr, panelAvance_, panelTabla_};
    mostrarSolo(vistas[i]);
    if (QWidget* panel = paneles[i]) {
        panel->show();
        panel->raise();
    }
    if (i == GraficoProgreso) panelAvance_->activarApagador(true);
    barraMensajes_->raise();
    // The view shown draws itself, after the stills.
    sim_->recalcular();
}

void FormMain::mostrarSolo(QWidget* vista)
{
    for (QWidget* w : std::initializer_list<QWidget*>{fila_, graficoELV_, graficoAvance_, panelAvance_, panelTabla_, TxtXAvan})
        if (w != vista) w->hide();
    vista->show();
    vista->raise();
}

void FormMain::calcular() { sim_->recalcular(); }

void FormMain::copiar()
{
    if (graficoELV_->isVisible()) plataforma::copiarImagen(graficoELV_->imagen());
    if (graficoAvance_->isVisible()) plataforma::copiarImagen(graficoAvance_->imagen());
    if (TxtXAvan->isVisible()) TxtXAvan->copiar();
}

void FormMain::imprimir()
{
    imprimirGrafico(this, graficoELV_->isVisible() ? graficoELV_ : nullptr,
                    graficoAvance_->isVisible() ? graficoAvance_ : nullptr, LblMSG->text());
}

void FormMain::borrar()
{
    // Clear throws the document away: unsaved work is asked about first.
    if (!preguntarGuardar()) return;
    sim_->borrar();
    sim_->marcarGuardado();
    fijarNombreArchivo(QString());
    barraVistas_->setFocus();
}

void FormMain::elegirEtapaVista(int)
{
    // Another stage in a view: every stage is worked out again and the row
    // starts from its first picture.
    sim_->invalidarDesde(1);
    fila_->fijarPrimeraEtapa(0);
    sim_->recalcular();
}

void FormMain::elegirColor(int i, bool redibujar)
{
    for (int j = 0; j < 5; ++j) accionesColor_[static_cast<std::size_t>(j)]->setChecked(j == i);
    fila_->fijarEsquemaColor(i, redibujar);
}

void FormMain::exportarGrafico()
{
    QWidget* grafico = graficoELV_->isVisible() ? static_cast<QWidget*>(graficoELV_) : graficoAvance_;
    if (!grafico->isVisible()) return;
    const DibujoGrafico dibujo = [this](QPainter& p, QSizeF tamano) {
        if (graficoELV_->isVisible()) graficoELV_->dibujarEn(p, tamano);
        else graficoAvance_->dibujarEn(p, tamano);
    };
    quillon::exportarGrafico(this, dibujo, grafico->size(), grafico->devicePixelRatioF(), plataforma::carpetaInicial(PathFile));
}

}  // namespace quillon
