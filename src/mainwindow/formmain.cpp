// The main window's construction, layout and resizing.

#include "mainwindow/formmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>

#include "documents/textos.h"
#include "graphs/cursor_deslizante.h"
#include "graphs/grafico_avance.h"
#include "graphs/grafico_elv.h"
#include "graphs/panel_avance.h"
#include "mainwindow/fila_etapas.h"
#include "mainwindow/panel.h"
#include "model/magnitudes.h"
#include "platform/boton_imagen.h"
#include "platform/plataforma.h"

namespace quillon {
namespace {

constexpr int kBarraAbajo = 33;  // bottom of the view bar
constexpr int kAnchoPanel = 290;
constexpr int kIzquierdaVistas = 2 + kAnchoPanel + 1;

}  // namespace

FormMain::FormMain(QWidget* padre) : QMainWindow(padre)
{
    marcaCarga_ = -1;
    // Numbers are written with the build language's separator until the user
    // types one.
    estado_.numero.sepDecimal = idiomaDelPrograma() == Idioma::Espanol ? ',' : '.';
    setWindowTitle(QString::fromUtf8(quillon::tr(textos::tituloVentana)));
    leerAjustes();
    ColocarControles();
    SetIDIOM_ENG();
    conectarEntradas();

    mnu_ver_colorix_Click(3);
    Actualizar();
    OptETAP_Click(1);
    LblMENU_Click(0);
    const QString color = plataforma::leerAjuste(QStringLiteral("LIQ_COLOR"), QStringLiteral("0"));
    const auto leido = valorInicial(color.trimmed().toStdString());
    const long indice = leido ? redondearPar(*leido) : -1;
    if (indice >= 0 && indice <= 4) mnu_ver_colorix_Click(static_cast<int>(indice));
    ReajustarCursores();
    estado_.modificado = false;
    TmrACT->start();
}

FormMain::~FormMain() = default;

void FormMain::ColocarControles()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setMinimumSize(940, 660);
    resize(1240, 760);

    estado_.leerEntradas = [this] { return leerEntradas(); };
    estado_.nombreA = [this] { return textoDe(TxtCompA); };
    estado_.cortes = [this] { return PicMain->cortes(); };
    estado_.mensaje = [this](const QString& t) { LblMSG->setText(t); };

    // The message bar, in front of the views while it holds a text.
    PicMSG = new QFrame(central);
    PicMSG->setGeometry(kIzquierdaVistas, kBarraAbajo, 600, 26);
    PicMSG->setStyleSheet(QStringLiteral("background: rgb(255, 236, 200); border-bottom: 1px solid rgb(210, 150, 60);"));
    LblMSG = new QLabel(PicMSG);
    LblMSG->setGeometry(8, 0, 592, 26);
    LblMSG->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    LblMSG->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0); border: none;"));
    LblMSG->setText(QString());
    PicMSG->hide();

    crearBarraVistas(central);
    crearPanelComponentes(central);
    PicNCom->setGeometry(2, kBarraAbajo + 1, kAnchoPanel, 182);
    crearPanelComposicion(central);
    PicComp0->setGeometry(2, PicNCom->geometry().bottom() + 2, kAnchoPanel, 110);
    static_cast<Panel*>(PicComp0)->setLinea(87, 10, kAnchoPanel - 10);
    crearPanelEquilibrio(central);
    PicAlfa->setGeometry(2, PicComp0->geometry().bottom() + 2, kAnchoPanel, 105);
    static_cast<Panel*>(PicAlfa)->setLinea(84, 10, kAnchoPanel - 10);
    crearPanelMasa(central);
    PicMEB->setGeometry(2, PicAlfa->geometry().bottom() + 2, kAnchoPanel, 158);
    crearVistas(central);
    crearPanelTabla(central);
    crearMenus();

    TmrACT = new QTimer(this);
    TmrACT->setSingleShot(true);
    TmrACT->setInterval(250);
    connect(TmrACT, &QTimer::timeout, this, &FormMain::TmrACT_Timer);
    TmrMSG = new QTimer(this);
    TmrMSG->setInterval(100);
    connect(TmrMSG, &QTimer::timeout, this, &FormMain::TmrMSG_Timer);
    TmrMSG->start();

    // The item lists of the table view, with the start-up ticks.
    Escribiendo guarda(estado_);
    LstTABLA->clear();
    for (const InfoMagnitud& m : magnitudes()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(m.nombre.data(), static_cast<int>(m.nombre.size())), LstTABLA);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    for (int i : {0, 2, 4, 6}) LstTABLA->item(i)->setCheckState(Qt::Checked);
}

void FormMain::crearBarraVistas(QWidget* central)
{
    PicBarTool = new Panel(central, QColor(220, 232, 247));
    PicBarTool->setGeometry(0, 0, width(), kBarraAbajo);
    PicBarTool->setFocusPolicy(Qt::StrongFocus);
    int izquierda = 1;
    for (int i = 0; i < 4; ++i) {
        auto* b = new BotonImagen(QString(), PicBarTool, i == 0 ? BotonImagen::Dibujo::PestanaActiva : BotonImagen::Dibujo::Pestana);
        b->move(izquierda, 2);
        b->setNegrita(i == 0);
        izquierda += b->width();
        LblMENU[static_cast<std::size_t>(i)] = b;
        connect(b, &BotonImagen::clicked, this, [this, i] { LblMENU_Click(i); });
    }
}

void FormMain::crearVistas(QWidget* central)
{
    PicMain = new FilaEtapas(estado_, central);
    PicMain->move(kIzquierdaVistas, kBarraAbajo);

    PicVLE = new GraficoELV(estado_, central);
    PicVLE->move(kIzquierdaVistas, kBarraAbajo);
    PicVLE->hide();
    connect(PicVLE, &GraficoELV::alfaArrastrada, this, [this](const QString& t) { TxtAlfa->setText(t); });
    connect(PicVLE, &GraficoELV::editarTabla, this, [this] {
        EditarTABLA_ELV();
        redibujarVLESiVisible();
    });

    PicPanelXAV = new PanelAvance(estado_, central);
    PicPanelXAV->setGeometry(2, kBarraAbajo, kAnchoPanel, 518);
    PicPanelXAV->hide();
    connect(PicPanelXAV, &PanelAvance::etapaElegida, this, &FormMain::OptETAXAV_Click);
    connect(PicPanelXAV, &PanelAvance::copiar, this, [this] { LabelB_Click(6); });
    PicXAvan = new GraficoAvance(estado_, *PicPanelXAV, central);
    PicXAvan->move(kIzquierdaVistas, kBarraAbajo);
    PicXAvan->hide();

    TxtXAvan = new QPlainTextEdit(central);
    TxtXAvan->move(kIzquierdaVistas - 1, kBarraAbajo);
    TxtXAvan->setReadOnly(true);
    TxtXAvan->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"), 12);
    courier.setStyleHint(QFont::Monospace);
    TxtXAvan->setFont(courier);
    TxtXAvan->hide();
}

void FormMain::SetIDIOM_ENG()
{
    {
        Escribiendo guarda(estado_);
        TxtCompA->setText(QString::fromUtf8(quillon::tr(textos::compAInicial)));
        TxtCompB->setText(QString::fromUtf8(quillon::tr(textos::compBInicial)));
        TxtMMA->setText(QStringLiteral("78.1121"));
        txtMMB->setText(QStringLiteral("92.14"));
        TxtAlfa->setText(QStringLiteral("2.45"));
        TxtX0A->setText(QStringLiteral("0.4"));
        TxtP0A->setText(QStringLiteral("36.109"));
        TxtMasa0->setText(QStringLiteral("500"));
    }
    auto t = [](const Texto& x) { return QString::fromUtf8(quillon::tr(x)); };
    for (int i = 0; i < 4; ++i) {
        LblMENU[static_cast<std::size_t>(i)]->setTexto(t(textos::vistas[i]));
        mnu_ver_panel[static_cast<std::size_t>(i)]->setText(t(textos::vistas[i]));
    }
    for (int i = 0; i < 5; ++i) mnu_ver_colorix[static_cast<std::size_t>(i)]->setText(t(textos::colores[i]));
    LabelB[0]->setTexto(t(textos::editarTabla));
    LabelB[1]->setTexto(t(textos::calcular));
    LabelB[2]->setTexto(t(textos::borrar));
    LabelB[5]->setTexto(t(textos::copiar));
    const std::pair<int, const Texto*> etiquetas[] = {
        {8, &textos::compMasVolatil}, {9, &textos::nombre},          {7, &textos::masaMolar},
        {12, &textos::compMenosVolatil}, {13, &textos::nombre},      {11, &textos::masaMolar},
        {0, &textos::equilibrio},     {1, &textos::volatilidadAlfa}, {3, &textos::concentracionInicial},
        {2, &textos::fraccionMolarXo}, {4, &textos::porcentajeMasaA}, {15, &textos::masaInicial},
        {14, &textos::numeroEtapas},  {16, &textos::etapaTabla},     {21, &textos::elementosTabla},
        {17, &textos::numeroFilas},
    };
    for (const auto& [indice, texto] : etiquetas) {
        Label3[static_cast<std::size_t>(indice)]->setText(t(*texto));
        if (!Label3[static_cast<std::size_t>(indice)]->wordWrap()) Label3[static_cast<std::size_t>(indice)]->adjustSize();
    }
    Label3[0]->setFixedHeight(Label3[0]->heightForWidth(130));
    for (int i : {5, 6, 10}) {
        Label3[static_cast<std::size_t>(i)]->setText(i == 5 ? QStringLiteral("%") : QStringLiteral("g/mol"));
        Label3[static_cast<std::size_t>(i)]->adjustSize();
    }
    OptVOL->setText(t(textos::optVolatilidad));
    OptTAB->setText(t(textos::optTabla));
    OptVOL->adjustSize();
    OptTAB->adjustSize();
}

void FormMain::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (!isMinimized() && PicMain) Form_Resize();
}

void FormMain::Form_Resize()
{
    const int SW = centralWidget()->width();
    const int SH = centralWidget()->height();
    PicBarTool->setGeometry(0, 0, SW, kBarraAbajo);
    PicMEB->resize(kAnchoPanel, SH - PicMEB->y());
    PicMain->resize(SW - PicMain->x(), SH - PicMain->y());
    if (PicMain->isVisible()) Espoleta();  // the row is re-arranged for the new width
    PicVLE->resize(SW - PicMain->x(), SH - kBarraAbajo);
    if (PicVLE->isVisible()) PicVLE->Dibujar_VLE();
    PicXAvan->resize(SW - PicMain->x(), SH - kBarraAbajo);
    if (PicXAvan->isVisible()) PicXAvan->Dibujar_XAV();
    TxtXAvan->resize(SW - 1 - PicMain->x(), SH - kBarraAbajo - 1);
    PicMSG->resize(SW - 1 - PicMain->x(), PicMSG->height());
    LblMSG->resize(PicMSG->width() - 8, LblMSG->height());
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
        if (mnu_ver_colorix[static_cast<std::size_t>(i)]->isChecked()) {
            plataforma::guardarAjuste(QStringLiteral("LIQ_COLOR"), QString::number(i));
            break;
        }
    }
}

}  // namespace quillon
