// The four views, the commands that act on the view shown, and the options
// that only concern the window.

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "platform/escritura.h"
#include "graphs/grafico_avance.h"
#include "graphs/exportar.h"
#include "graphs/grafico_elv.h"
#include "graphs/imprimir.h"
#include "model/textos.h"
#include "graphs/panel_avance.h"
#include "platform/archivos.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/formmain.h"
#include "mainwindow/panel.h"
#include "mainwindow/panel_tabla.h"
#include "mainwindow/paneles_entrada.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
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
    switch (i) {
    case Inicio:
        mostrarSolo(fila_);
        Actualizar();
        break;
    case DiagramaELV:
        mostrarSolo(graficoELV_);
        graficoELV_->Dibujar_VLE();
        break;
    case GraficoProgreso:
        mostrarSolo(graficoAvance_);
        panelAvance_->show();
        panelAvance_->raise();
        Actualizar();
        graficoAvance_->Dibujar_XAV();
        panelAvance_->activarApagador(true);
        break;
    default:
        mostrarSolo(TxtXAvan);
        panelTabla_->show();
        panelTabla_->raise();
        Actualizar();
        crearTabla();
        break;
    }
    barraMensajes_->raise();
}

void FormMain::mostrarSolo(QWidget* vista)
{
    for (QWidget* w : std::initializer_list<QWidget*>{fila_, graficoELV_, graficoAvance_, panelAvance_, panelTabla_, TxtXAvan})
        if (w != vista) w->hide();
    vista->show();
    vista->raise();
}

void FormMain::calcular()
{
    Actualizar();
    if (TxtXAvan->isVisible()) crearTabla();
    if (graficoAvance_->isVisible()) graficoAvance_->Dibujar_XAV();
    if (graficoELV_->isVisible()) graficoELV_->Dibujar_VLE();
}

void FormMain::copiar()
{
    if (graficoELV_->isVisible()) plataforma::copiarImagen(graficoELV_->imagen());
    if (graficoAvance_->isVisible()) plataforma::copiarImagen(graficoAvance_->imagen());
    if (TxtXAvan->isVisible()) copiarTabla();
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
    graficoELV_->limpiar();
    graficoAvance_->limpiar();
    TxtXAvan->clear();
    // The one-stage option draws the row from its first picture: the emptied
    // boxes then show their message instead of leaving the old stills.
    elegirNumEtapas(1);
    sim_->marcarGuardado();
    fijarNombreArchivo(QString());
}

void FormMain::elegirNumEtapas(int k)
{
    paneles_->marcarNumEtapas(k);
    panelTabla_->mostrarEtapas(k);
    panelAvance_->mostrarEtapas(k);
    fila_->fijarPrimeraEtapa(0);
    Actualizar();
    barraVistas_->setFocus();
}

void FormMain::elegirEtapaVista(int)
{
    sim_->invalidarDesde(1);
    fila_->fijarPrimeraEtapa(0);
    Actualizar();
    if (TxtXAvan->isVisible()) crearTabla();
    if (graficoAvance_->isVisible()) graficoAvance_->Dibujar_XAV();
}

void FormMain::elegirColor(int i, bool redibujar)
{
    for (int j = 0; j < 5; ++j) accionesColor_[static_cast<std::size_t>(j)]->setChecked(j == i);
    fila_->fijarEsquemaColor(i, redibujar);
}

void FormMain::redibujarDiagramaSiVisible()
{
    if (graficoELV_->isVisible()) graficoELV_->Dibujar_VLE();
}

void FormMain::crearTabla()
{
    TxtXAvan->clear();
    tablaMostrada_ = {};
    mostrarMensaje(QString());
    PeticionTabla p;
    p.nombreA = sim_->texto(Entrada::CompA).toStdString();
    p.nombreB = sim_->texto(Entrada::CompB).toStdString();
    p.etapa = panelTabla_->etapa();
    p.intervalos = panelTabla_->intervalos();
    p.items = panelTabla_->items();
    plataforma::CursorEspera espera;
    const ResultadoTabla r = sim_->tablaTexto(p);
    if (r.error) return mostrarMensaje(qtr(*r.error));
    TxtXAvan->setPlainText(QString::fromStdString(r.texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    tablaMostrada_ = r.valores;
    sepTabla_ = sim_->separador();
}

void FormMain::copiarTabla()
{
    const QString texto = TxtXAvan->toPlainText();
    if (texto.trimmed().isEmpty()) return;
    // The clipboard gets the table with its CR LF line ends, and its numbers
    // as an HTML table for a spreadsheet.
    QString conFinales = texto;
    conFinales.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    plataforma::copiarTexto(conFinales, QString::fromStdString(CrearTablaHtml(tablaMostrada_, sepTabla_)));
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

void FormMain::exportarCsv()
{
    if (tablaMostrada_.filas.empty()) return;
    const QString ruta = plataforma::elegirRutaGuardar(
        this, {plataforma::carpetaInicial(PathFile), qtr(textos::filtroCsv), qtr(textos::dialogoExportar), QStringLiteral("csv")});
    if (ruta.isEmpty()) return;
    // UTF-8 with its mark, so that spreadsheets read "°C" right.
    const std::string bytes = "\xEF\xBB\xBF" + CrearTablaCsv(tablaMostrada_, sepTabla_);
    if (const auto mensaje = guardarArchivo(ruta, bytes)) plataforma::mensajeError(this, *mensaje);
}

}  // namespace quillon
