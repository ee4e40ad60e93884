// The main window's construction, layout, settings and refresh.

#include "mainwindow/formmain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>

#include "model/textos.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/geometria_etapa.h"
#include "mainwindow/panel.h"
#include "mainwindow/panel_tabla.h"
#include "mainwindow/paneles_entrada.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr int kBarraAbajo = 33;  // bottom of the view bar
constexpr int kAnchoPanel = 290;
constexpr int kIzquierdaVistas = 2 + kAnchoPanel + 1;

}  // namespace

FormMain::FormMain(QWidget* padre) : QMainWindow(padre), sim_(new Simulacion(this))
{
    setObjectName(QStringLiteral("FormMain"));
    leerAjustes();
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setMinimumSize(940, 660);
    resize(1240, 760);
    crearBarraMensajes(central);
    crearBarraVistas(central);
    paneles_ = new PanelesEntrada(*sim_, central);
    paneles_->move(0, kBarraAbajo);
    crearVistas(central);
    crearMenus();
    // The status line carries passing notes (a save that lost letters).
    statusBar()->setObjectName(QStringLiteral("barraEstado"));
    ponerTextos();
    conectarSimulacion();

    TmrACT = new QTimer(this);
    TmrACT->setObjectName(QStringLiteral("TmrACT"));
    TmrACT->setSingleShot(true);
    TmrACT->setInterval(250);
    connect(TmrACT, &QTimer::timeout, this, &FormMain::alVencerRefresco);
    TmrMSG = new QTimer(this);
    TmrMSG->setInterval(100);
    connect(TmrMSG, &QTimer::timeout, this, &FormMain::alVencerMensajes);
    TmrMSG->start();

    elegirColor(3);
    Actualizar();
    elegirNumEtapas(1);
    elegirVista(Inicio);
    const auto leido = valorInicial(plataforma::leerAjuste(QStringLiteral("LIQ_COLOR"), QStringLiteral("0")).trimmed().toStdString());
    const long indice = leido ? redondearPar(*leido) : -1;
    if (indice >= 0 && indice <= 4) elegirColor(static_cast<int>(indice));
    sim_->reajustarCursores();
    panelTabla_->mostrarTemperaturas(sim_->sistemaTermico() != nullptr);
    sim_->marcarGuardado();
    ponerTitulo();
    mostrarRecientes();
    TmrACT->start();
}

FormMain::~FormMain() = default;

void FormMain::crearBarraMensajes(QWidget* central)
{
    // In front of the views while it holds a text.
    barraMensajes_ = new QFrame(central);
    barraMensajes_->setObjectName(QStringLiteral("barraMensajes"));
    barraMensajes_->setGeometry(kIzquierdaVistas, kBarraAbajo, 600, 26);
    barraMensajes_->setStyleSheet(
        QStringLiteral("background: rgb(255, 236, 200); border-bottom: 1px solid rgb(210, 150, 60);"));
    LblMSG = new QLabel(barraMensajes_);
    LblMSG->setObjectName(QStringLiteral("LblMSG"));
    LblMSG->setGeometry(8, 0, 592, 26);
    LblMSG->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    LblMSG->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0); border: none;"));
    barraMensajes_->hide();
}

void FormMain::crearBarraVistas(QWidget* central)
{
    barraVistas_ = new Panel(central, QColor(220, 232, 247));
    barraVistas_->setObjectName(QStringLiteral("barraVistas"));
    barraVistas_->setGeometry(0, 0, width(), kBarraAbajo);
    barraVistas_->setFocusPolicy(Qt::StrongFocus);
    int izquierda = 1;
    for (int i = 0; i < 4; ++i) {
        auto* b = new BotonImagen(QString(), barraVistas_, BotonImagen::Dibujo::Pestana);
        b->setObjectName(QStringLiteral("pestanaVista%1").arg(i));
        b->move(izquierda, 2);
        izquierda += b->width();
        pestanas_[static_cast<std::size_t>(i)] = b;
        connect(b, &BotonImagen::clicked, this, [this, i] { elegirVista(i); });
    }
}

void FormMain::crearVistas(QWidget* central)
{
    fila_ = new FilaEtapas(*sim_, central);
    fila_->move(kIzquierdaVistas, kBarraAbajo);

    graficoELV_ = new GraficoELV(*sim_, central);
    graficoELV_->move(kIzquierdaVistas, kBarraAbajo);
    graficoELV_->hide();
    connect(graficoELV_, &GraficoELV::editarTabla, this, [this] {
        editarTablaELV();
        redibujarDiagramaSiVisible();
    });

    panelAvance_ = new PanelAvance(central);
    panelAvance_->setGeometry(2, kBarraAbajo, kAnchoPanel, 518);
    panelAvance_->hide();
    connect(panelAvance_, &PanelAvance::etapaElegida, this, &FormMain::elegirEtapaVista);
    connect(panelAvance_, &PanelAvance::copiar, this, &FormMain::copiar);
    connect(panelAvance_, &PanelAvance::eleccionCambiada, this, [this] {
        if (graficoAvance_->isVisible()) graficoAvance_->Dibujar_XAV();
    });
    graficoAvance_ = new GraficoAvance(*sim_, *panelAvance_, central);
    graficoAvance_->move(kIzquierdaVistas, kBarraAbajo);
    graficoAvance_->hide();

    panelTabla_ = new PanelTabla(central);
    panelTabla_->setGeometry(2, kBarraAbajo, kAnchoPanel, 518);
    panelTabla_->hide();
    connect(panelTabla_, &PanelTabla::etapaElegida, this, &FormMain::elegirEtapaVista);
    connect(panelTabla_, &PanelTabla::copiar, this, &FormMain::copiarTabla);
    connect(panelTabla_, &PanelTabla::exportar, this, &FormMain::exportarCsv);
    // The table follows its choices at once: building it costs a millisecond.
    connect(panelTabla_, &PanelTabla::eleccionCambiada, this, [this] {
        if (TxtXAvan->isVisible()) crearTabla();
    });
    TxtXAvan = new QPlainTextEdit(central);
    TxtXAvan->setObjectName(QStringLiteral("TxtXAvan"));
    TxtXAvan->move(kIzquierdaVistas - 1, kBarraAbajo);
    TxtXAvan->setReadOnly(true);
    TxtXAvan->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"), 12);
    courier.setStyleHint(QFont::Monospace);
    TxtXAvan->setFont(courier);
    TxtXAvan->hide();

    connect(fila_, &FilaEtapas::mensaje, this, &FormMain::mostrarMensaje);
    connect(graficoELV_, &GraficoELV::mensaje, this, &FormMain::mostrarMensaje);
    connect(graficoAvance_, &GraficoAvance::mensaje, this, &FormMain::mostrarMensaje);
}

void FormMain::conectarSimulacion()
{
    connect(sim_, &Simulacion::refrescoPedido, this, &FormMain::Espoleta);
    connect(sim_, &Simulacion::modificadoCambiado, this, &QWidget::setWindowModified);
    connect(sim_, &Simulacion::mensaje, this, &FormMain::mostrarMensaje);
    connect(sim_, &Simulacion::equilibrioCambiado, this, &FormMain::redibujarDiagramaSiVisible);
    connect(sim_, &Simulacion::equilibrioCambiado, this,
            [this] { panelTabla_->mostrarTemperaturas(sim_->sistemaTermico() != nullptr); });
    connect(paneles_, &PanelesEntrada::calcular, this, &FormMain::calcular);
    connect(paneles_, &PanelesEntrada::borrar, this, &FormMain::borrar);
    connect(paneles_, &PanelesEntrada::editarTabla, this, [this] {
        editarTablaELV();
        redibujarDiagramaSiVisible();
    });
    connect(paneles_, &PanelesEntrada::predecirTabla, this, &FormMain::predecirTabla);
    connect(paneles_, &PanelesEntrada::actualizarPedido, this, &FormMain::Actualizar);
    connect(paneles_, &PanelesEntrada::numEtapasElegido, this, &FormMain::elegirNumEtapas);
    connect(paneles_, &PanelesEntrada::redibujarDiagrama, this, &FormMain::redibujarDiagramaSiVisible);
}

void FormMain::ponerTextos()
{
    for (int i = 0; i < 4; ++i) {
        pestanas_[static_cast<std::size_t>(i)]->setTexto(qtr(textos::vistas[i]));
        accionesVista_[static_cast<std::size_t>(i)]->setText(qtr(textos::vistas[i]));
    }
    for (int i = 0; i < kNumEsquemas; ++i)
        accionesColor_[static_cast<std::size_t>(i)]->setText(qtr(esquemasLiquido()[static_cast<std::size_t>(i)].nombre));
    paneles_->ponerTextos();
    panelTabla_->ponerTextos();
    barraVistas_->setAccessibleName(qtr(textos::menuVer).remove(QLatin1Char('&')));
    TxtXAvan->setAccessibleName(qtr(textos::vistas[TablaProgreso]));
}

void FormMain::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (!isMinimized() && fila_) disponer();
}

void FormMain::disponer()
{
    const int SW = centralWidget()->width();
    const int SH = centralWidget()->height();
    barraVistas_->setGeometry(0, 0, SW, kBarraAbajo);
    paneles_->resize(paneles_->width(), SH - kBarraAbajo);
    fila_->resize(SW - fila_->x(), SH - fila_->y());
    if (fila_->isVisible()) Espoleta();  // the row is arranged again for the new width
    graficoELV_->resize(SW - fila_->x(), SH - kBarraAbajo);
    if (graficoELV_->isVisible()) graficoELV_->Dibujar_VLE();
    graficoAvance_->resize(SW - fila_->x(), SH - kBarraAbajo);
    if (graficoAvance_->isVisible()) graficoAvance_->Dibujar_XAV();
    TxtXAvan->resize(SW - 1 - fila_->x(), SH - kBarraAbajo - 1);
    barraMensajes_->resize(SW - 1 - fila_->x(), barraMensajes_->height());
    LblMSG->resize(barraMensajes_->width() - 8, LblMSG->height());
}

void FormMain::leerAjustes()
{
    PathTabla = plataforma::leerAjuste(QStringLiteral("PATH_TABLA"), QString());
    PathFile = plataforma::leerAjuste(QStringLiteral("PATH_FILE"), QString());
}

void FormMain::guardarAjustes()
{
    plataforma::guardarAjuste(QStringLiteral("PATH_TABLA"), PathTabla);
    plataforma::guardarAjuste(QStringLiteral("PATH_FILE"), PathFile);
    for (int i = 0; i < 5; ++i) {
        if (accionesColor_[static_cast<std::size_t>(i)]->isChecked()) {
            plataforma::guardarAjuste(QStringLiteral("LIQ_COLOR"), QString::number(i));
            break;
        }
    }
}

void FormMain::Actualizar() { fila_->Actualizar(); }

void FormMain::Espoleta()
{
    TmrACT->stop();
    TmrACT->start();
}

void FormMain::alVencerRefresco()
{
    Actualizar();
    if (primerRefresco_) {
        // The first refresh after loading is not a change of the document.
        primerRefresco_ = false;
        sim_->marcarGuardado();
    }
    TmrACT->stop();
}

void FormMain::alVencerMensajes()
{
    if (!LblMSG->text().isEmpty()) {
        barraMensajes_->show();
        barraMensajes_->raise();
        // No stale result stays beside an error.
        fila_->blanquear();
    } else if (barraMensajes_->isVisible()) {
        barraMensajes_->hide();
    }
}

void FormMain::mostrarMensaje(const QString& texto) { LblMSG->setText(texto); }

}  // namespace quillon
