// The main window's construction, layout, settings and messages.

#include "mainwindow/formmain.h"

#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "model/textos.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/geometria_etapa.h"
#include "mainwindow/panel.h"
#include "mainwindow/panel_tabla.h"
#include "mainwindow/paneles_entrada.h"
#include "mainwindow/vista_tabla.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"
#include "platform/texto_qt.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

constexpr int kBarraAbajo = 33;  // bottom of the view bar
constexpr int kAnchoPanel = 290;
constexpr int kIzquierdaVistas = 2 + kAnchoPanel + 1;
constexpr int kAltoPanelVista = 518;  // the side panels of the graph and table views, at least

}  // namespace

FormMain::FormMain(QWidget* padre) : QMainWindow(padre), sim_(new Simulacion(this))
{
    setObjectName(QStringLiteral("FormMain"));
    leerAjustes();
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setMinimumSize(940, 660);
    resize(1240, 820);
    crearBarraMensajes(central);
    crearBarraVistas(central);
    crearEntradas(central);
    crearVistas(central);
    crearMenus();
    // The status line carries passing notes (a save that lost letters).
    statusBar()->setObjectName(QStringLiteral("barraEstado"));
    ponerTextos();
    // Tall enough to show every input panel without scrolling, where the
    // screen has the room.
    const int alto = kBarraAbajo + paneles_->alturaNecesaria() + menuBar()->sizeHint().height() +
                     statusBar()->sizeHint().height();
    if (const QScreen* pantalla = screen())
        resize(width(), std::max(height(), std::min(alto, pantalla->availableGeometry().height() - 40)));
    conectarSimulacion();

    // The stills are drawn by the first turn of the event loop, with the
    // colours read from the settings.
    elegirColor(3, false);
    elegirVista(Inicio);
    const auto leido = valorInicial(plataforma::leerAjuste(QStringLiteral("LIQ_COLOR"), QStringLiteral("0")).trimmed().toStdString());
    const long indice = leido ? redondearPar(*leido) : -1;
    if (indice >= 0 && indice <= 4) elegirColor(static_cast<int>(indice), false);
    sim_->reajustarCursores();
    sim_->marcarGuardado();
    ponerTitulo();
    mostrarRecientes();
    sim_->pedirRefresco();
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

void FormMain::crearEntradas(QWidget* central)
{
    // The input panels scroll when the window is too short for all of them.
    entradas_ = new QScrollArea(central);
    entradas_->setObjectName(QStringLiteral("desplazamientoEntradas"));
    entradas_->setFrameShape(QFrame::NoFrame);
    // The keyboard goes to the boxes inside, which it scrolls into view.
    entradas_->setFocusPolicy(Qt::NoFocus);
    entradas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    entradas_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Slim, over the panels' right margin, which no box reaches.
    entradas_->verticalScrollBar()->setFixedWidth(10);
    paneles_ = new PanelesEntrada(*sim_);
    entradas_->setWidget(paneles_);
    entradas_->setGeometry(0, kBarraAbajo, paneles_->width(), paneles_->height());
    connect(entradas_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { cubrirEntradas(); });
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
    // The row first: it follows the simulation's announcements before the
    // other views, whose later stages read the charges its stills cut.
    fila_ = new FilaEtapas(*sim_, central);
    fila_->move(kIzquierdaVistas, kBarraAbajo);

    graficoELV_ = new GraficoELV(*sim_, central);
    graficoELV_->move(kIzquierdaVistas, kBarraAbajo);
    graficoELV_->hide();
    connect(graficoELV_, &GraficoELV::editarTabla, this, [this] { editarTablaELV(); });

    panelAvance_ = new PanelAvance(central);
    panelAvance_->setGeometry(2, kBarraAbajo, kAnchoPanel, kAltoPanelVista);
    panelAvance_->hide();
    connect(panelAvance_, &PanelAvance::etapaElegida, this, &FormMain::elegirEtapaVista);
    connect(panelAvance_, &PanelAvance::copiar, this, &FormMain::copiar);
    graficoAvance_ = new GraficoAvance(*sim_, *panelAvance_, central);
    graficoAvance_->move(kIzquierdaVistas, kBarraAbajo);
    graficoAvance_->hide();

    panelTabla_ = new PanelTabla(central);
    panelTabla_->setGeometry(2, kBarraAbajo, kAnchoPanel, kAltoPanelVista);
    panelTabla_->hide();
    TxtXAvan = new VistaTabla(*sim_, *panelTabla_, central);
    TxtXAvan->move(kIzquierdaVistas - 1, kBarraAbajo);
    TxtXAvan->hide();
    connect(panelTabla_, &PanelTabla::etapaElegida, this, &FormMain::elegirEtapaVista);
    connect(panelTabla_, &PanelTabla::copiar, TxtXAvan, &VistaTabla::copiar);
    connect(panelTabla_, &PanelTabla::exportar, this, [this] { TxtXAvan->exportarCsv(PathFile); });

    connect(fila_, &FilaEtapas::mensaje, this, &FormMain::mostrarMensaje);
    connect(graficoELV_, &GraficoELV::mensaje, this, &FormMain::mostrarMensaje);
    connect(graficoAvance_, &GraficoAvance::mensaje, this, &FormMain::mostrarMensaje);
    connect(TxtXAvan, &VistaTabla::mensaje, this, &FormMain::mostrarMensaje);
}

void FormMain::conectarSimulacion()
{
    connect(sim_, &Simulacion::cambiado, this, &FormMain::seguir);
    connect(sim_, &Simulacion::modificadoCambiado, this, &QWidget::setWindowModified);
    connect(sim_, &Simulacion::mensaje, this, &FormMain::mostrarMensaje);
    connect(paneles_, &PanelesEntrada::calcular, this, &FormMain::calcular);
    connect(paneles_, &PanelesEntrada::borrar, this, &FormMain::borrar);
    connect(paneles_, &PanelesEntrada::editarTabla, this, [this] { editarTablaELV(); });
    connect(paneles_, &PanelesEntrada::predecirTabla, this, &FormMain::predecirTabla);
    // Choosing a number of stages hands the keyboard to the view bar.
    connect(paneles_, &PanelesEntrada::numEtapasElegido, barraVistas_, [this] { barraVistas_->setFocus(); });
}

void FormMain::seguir(const Cambios& c)
{
    if (c.hay(Cambios::NumEtapas | Cambios::Borrado | Cambios::Abierto)) {
        panelTabla_->mostrarEtapas(sim_->numEtapas());
        panelAvance_->mostrarEtapas(sim_->numEtapas());
    }
    // The first refresh after loading is not a change of the document.
    if (primerRefresco_ && c.hay(Cambios::Refresco)) {
        primerRefresco_ = false;
        sim_->marcarGuardado();
    }
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
    // Too short for every input panel: they scroll, and their bar takes a
    // strip of its own rather than hiding the boxes' right edges; the views
    // start after it.
    const bool desplazan = paneles_->alturaNecesaria() > SH - kBarraAbajo;
    const int izquierda = kIzquierdaVistas + (desplazan ? entradas_->verticalScrollBar()->width() : 0);
    entradas_->setGeometry(0, kBarraAbajo, paneles_->width() + izquierda - kIzquierdaVistas, SH - kBarraAbajo);
    paneles_->resize(paneles_->width(), std::max(SH - kBarraAbajo, paneles_->alturaNecesaria()));
    for (QWidget* vista : {static_cast<QWidget*>(fila_), static_cast<QWidget*>(graficoELV_),
                           static_cast<QWidget*>(graficoAvance_), static_cast<QWidget*>(barraMensajes_)})
        vista->move(izquierda, kBarraAbajo);
    TxtXAvan->move(izquierda - 1, kBarraAbajo);
    cubrirEntradas();
    // Each view draws itself again for its new size.
    fila_->resize(SW - fila_->x(), SH - fila_->y());
    graficoELV_->resize(SW - fila_->x(), SH - kBarraAbajo);
    graficoAvance_->resize(SW - fila_->x(), SH - kBarraAbajo);
    TxtXAvan->resize(SW - 1 - fila_->x(), SH - kBarraAbajo - 1);
    barraMensajes_->resize(SW - 1 - fila_->x(), barraMensajes_->height());
    LblMSG->resize(barraMensajes_->width() - 8, LblMSG->height());
}

void FormMain::cubrirEntradas()
{
    // The side panels of the other views hide the inputs down to Calculate
    // and Clear as the inputs scroll, and never cut their own controls.
    const int alto = std::max(kAltoPanelVista, paneles_->alturaCubierta() - entradas_->verticalScrollBar()->value());
    panelAvance_->resize(kAnchoPanel, alto);
    panelTabla_->resize(kAnchoPanel, alto);
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

void FormMain::mostrarMensaje(const QString& texto)
{
    LblMSG->setText(texto);
    // In front of the views while it holds a text.
    barraMensajes_->setVisible(!texto.isEmpty());
    barraMensajes_->raise();
}

}  // namespace quillon
