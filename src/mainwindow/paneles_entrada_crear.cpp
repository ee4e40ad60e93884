// The input column's controls, at the window's design positions, and their
// captions.

#include <QButtonGroup>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "model/textos.h"
#include "graphs/cursor_deslizante.h"
#include "mainwindow/panel.h"
#include "mainwindow/paneles_entrada.h"
#include "documents/validador_guardable.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr int kAnchoPanel = 290;

template <typename T>
T* nombrado(T* w, const char* nombre)
{
    w->setObjectName(QString::fromLatin1(nombre));
    return w;
}

QLabel* etiqueta(QWidget* padre, const char* nombre, int x, int y, bool negrita = false)
{
    auto* l = nombrado(new QLabel(padre), nombre);
    QFont f(QStringLiteral("Arial"), 9);
    f.setBold(negrita);
    l->setFont(f);
    l->move(x, y);
    return l;
}

QLineEdit* cajaEntrada(QWidget* padre, const char* nombre, int x, int y, int ancho)
{
    auto* c = nombrado(new QLineEdit(padre), nombre);
    c->setGeometry(x, y, ancho, 22);
    c->setFont(QFont(QStringLiteral("Arial"), 9));
    // What the file cannot hold cannot be typed or pasted.
    c->setValidator(new ValidadorGuardable(c));
    return c;
}

QRadioButton* opcion(QWidget* padre, const QString& nombre, const QString& texto, int x, int y)
{
    auto* o = new QRadioButton(texto, padre);
    o->setObjectName(nombre);
    o->setFont(QFont(QStringLiteral("Arial"), 9));
    o->move(x, y);
    o->adjustSize();
    return o;
}

}  // namespace

PanelesEntrada::PanelesEntrada(Simulacion& sim, QWidget* padre) : QWidget(padre), sim_(sim)
{
    setObjectName(QStringLiteral("panelesEntrada"));
    crearPanelComponentes();
    crearPanelComposicion();
    crearPanelEquilibrio();
    // The column before the mass and stages: the keyboard reaches its boxes
    // in the order they show.
    crearPanelColumna();
    crearPanelMasa();
    crearPanelCalefaccion();
    // The panels stack from the top, one pixel apart; the last one takes the
    // height that is left (resizeEvent).
    int arriba = 1;
    for (auto [panel, alto] : {std::pair{panelComponentes_, 182}, {panelComposicion_, 110}, {panelEquilibrio_, 139},
                               {panelColumna_, 134}, {panelMasa_, 158}, {panelCalefaccion_, 34}}) {
        panel->setGeometry(2, arriba, kAnchoPanel, alto);
        arriba += alto + 1;
    }
    panelComposicion_->setLinea(87, 10, kAnchoPanel - 10);
    panelEquilibrio_->setLinea(84, 10, kAnchoPanel - 10);
    resize(2 + kAnchoPanel, arriba);
    mostrarDocumento();
    conectar();
}

void PanelesEntrada::crearPanelComponentes()
{
    panelComponentes_ = nombrado(new Panel(this), "panelComponentes");
    Panel* p = panelComponentes_;
    tituloComponenteA_ = etiqueta(p, "tituloComponenteA", 8, 6, true);
    nombreA_ = etiqueta(p, "etiquetaNombreA", 14, 31);
    TxtCompA = cajaEntrada(p, "TxtCompA", 92, 28, 188);
    masaMolarA_ = etiqueta(p, "etiquetaMasaMolarA", 14, 59);
    TxtMMA = cajaEntrada(p, "TxtMMA", 92, 56, 110);
    unidadMasaA_ = etiqueta(p, "unidadMasaMolarA", 208, 59);
    tituloComponenteB_ = etiqueta(p, "tituloComponenteB", 8, 96, true);
    nombreB_ = etiqueta(p, "etiquetaNombreB", 14, 121);
    TxtCompB = cajaEntrada(p, "TxtCompB", 92, 118, 188);
    masaMolarB_ = etiqueta(p, "etiquetaMasaMolarB", 14, 149);
    TxtMMB = cajaEntrada(p, "TxtMMB", 92, 146, 110);
    unidadMasaB_ = etiqueta(p, "unidadMasaMolarB", 208, 149);
}

void PanelesEntrada::crearPanelComposicion()
{
    panelComposicion_ = nombrado(new Panel(this), "panelComposicion");
    Panel* p = panelComposicion_;
    tituloComposicion_ = etiqueta(p, "tituloComposicion", 8, 6, true);
    etiquetaX0_ = etiqueta(p, "etiquetaX0", 14, 31);
    TxtX0A = cajaEntrada(p, "TxtX0A", 150, 28, 100);
    etiquetaP0A_ = etiqueta(p, "etiquetaP0A", 14, 59);
    TxtP0A = cajaEntrada(p, "TxtP0A", 150, 56, 100);
    unidadP0A_ = etiqueta(p, "unidadP0A", 256, 59);
    cursorX0_ = nombrado(new CursorDeslizante(p), "cursorX0");
    cursorX0_->move(100, 87 + 1);
}

void PanelesEntrada::crearPanelEquilibrio()
{
    panelEquilibrio_ = nombrado(new Panel(this), "panelEquilibrio");
    Panel* p = panelEquilibrio_;
    tituloEquilibrio_ = etiqueta(p, "tituloEquilibrio", 8, 4, true);
    tituloEquilibrio_->setWordWrap(true);
    tituloEquilibrio_->setFixedWidth(130);
    // The equilibrium source options sit on their own tinted box.
    auto* opciones = new Panel(p, QColor(207, 232, 255));
    opciones->setGeometry(142, 4, 144, 40);
    OptVOL = opcion(opciones, QStringLiteral("OptVOL"), QString(), 6, 2);
    OptTAB = opcion(opciones, QStringLiteral("OptTAB"), QString(), 6, 20);
    etiquetaAlfa_ = etiqueta(p, "etiquetaAlfa", 14, 55);
    TxtAlfa = cajaEntrada(p, "TxtAlfa", 170, 52, 80);
    botonEditarTabla_ = nombrado(new BotonImagen(QString(), p), "botonEditarTabla");
    botonEditarTabla_->move(2, 42);
    // Under the scale, in either mode.
    botonPredecir_ = nombrado(new BotonImagen(QString(), p), "botonPredecirTabla");
    botonPredecir_->move(145, 103);
    cursorAlfa_ = nombrado(new CursorDeslizante(p), "cursorAlfa");
    cursorAlfa_->move(100, 84 + 1);
    // Tab goes from the box to its cursor, as from x0's box to its own.
    setTabOrder(TxtAlfa, cursorAlfa_);
}

void PanelesEntrada::crearPanelColumna()
{
    panelColumna_ = nombrado(new Panel(this), "panelColumna");
    Panel* p = panelColumna_;
    tituloColumna_ = etiqueta(p, "tituloColumna", 8, 6, true);
    etiquetaPlatos_ = etiqueta(p, "etiquetaPlatos", 14, 31);
    TxtPlatos = cajaEntrada(p, "TxtPlatos", 220, 28, 60);
    // Each policy on its row with its box; the other's boxes are greyed.
    auto* politicas = new QButtonGroup(p);
    OptRazon = opcion(p, QStringLiteral("OptRazon"), QString(), 14, 58);
    OptPureza = opcion(p, QStringLiteral("OptPureza"), QString(), 14, 84);
    politicas->addButton(OptRazon);
    politicas->addButton(OptPureza);
    etiquetaReflujo_ = etiqueta(p, "etiquetaReflujo", 0, 59);
    TxtReflujo = cajaEntrada(p, "TxtReflujo", 220, 56, 60);
    etiquetaPureza_ = etiqueta(p, "etiquetaPureza", 0, 85);
    TxtPureza = cajaEntrada(p, "TxtPureza", 220, 82, 60);
    etiquetaReflujoMax_ = etiqueta(p, "etiquetaReflujoMaximo", 0, 111);
    TxtReflujoMax = cajaEntrada(p, "TxtReflujoMaximo", 220, 108, 60);
    for (auto [l, c] : {std::pair{etiquetaPlatos_, TxtPlatos}, {etiquetaReflujo_, TxtReflujo},
                        {etiquetaPureza_, TxtPureza}, {etiquetaReflujoMax_, TxtReflujoMax}})
        l->setBuddy(c);
}

void PanelesEntrada::crearPanelMasa()
{
    panelMasa_ = nombrado(new Panel(this), "panelMasa");
    Panel* p = panelMasa_;
    tituloMasa_ = etiqueta(p, "tituloMasaInicial", 8, 6, true);
    TxtMasa0 = cajaEntrada(p, "TxtMasa0", 14, 28, 90);
    auto* unidades = new QButtonGroup(p);
    for (int i = 0; i < 4; ++i) {
        const auto& u = unidadesMasa()[static_cast<std::size_t>(i)];
        const QString texto = qtexto(u.nombre);
        OptUNIT[static_cast<std::size_t>(i)] = opcion(p, QStringLiteral("OptUNIT_") + texto, texto, 112 + i * 44, 30);
        unidades->addButton(OptUNIT[static_cast<std::size_t>(i)], i);
    }
    tituloEtapas_ = etiqueta(p, "tituloNumeroEtapas", 8, 64, true);
    auto* etapas = new QButtonGroup(p);
    for (int k = 1; k <= kMaxEtapas; ++k) {
        OptETAP[static_cast<std::size_t>(k)] =
            opcion(p, QStringLiteral("OptETAP%1").arg(k), QString::number(k), 14 + (k - 1) * 44, 86);
        etapas->addButton(OptETAP[static_cast<std::size_t>(k)], k);
    }
    botonCalcular_ = nombrado(new BotonImagen(QString(), p), "botonCalcular");
    botonCalcular_->move(4, 121);
    botonBorrar_ = nombrado(new BotonImagen(QString(), p), "botonBorrar");
    botonBorrar_->move(145, 121);
}

void PanelesEntrada::crearPanelCalefaccion()
{
    panelCalefaccion_ = nombrado(new Panel(this), "panelCalefaccion");
    Panel* p = panelCalefaccion_;
    // One row, so that it shows under the views' panels too.
    tituloCalefaccion_ = etiqueta(p, "tituloCalefaccion", 8, 9, true);
    TxtCalor = cajaEntrada(p, "TxtCalor", 92, 6, 90);
    CmbUnidadCalor = nombrado(new QComboBox(p), "CmbUnidadCalor");
    CmbUnidadCalor->setFont(QFont(QStringLiteral("Arial"), 9));
    for (const UnidadCalefaccion& u : unidadesCalefaccion()) CmbUnidadCalor->addItem(qtexto(u.nombre));
    CmbUnidadCalor->setGeometry(188, 6, 92, 22);
}

void PanelesEntrada::ponerTextos()
{
    const std::pair<QLabel*, const Texto*> etiquetas[] = {
        {tituloComponenteA_, &textos::compMasVolatil}, {nombreA_, &textos::nombre},
        {masaMolarA_, &textos::masaMolar},             {tituloComponenteB_, &textos::compMenosVolatil},
        {nombreB_, &textos::nombre},                   {masaMolarB_, &textos::masaMolar},
        {tituloEquilibrio_, &textos::equilibrio},      {etiquetaAlfa_, &textos::volatilidadAlfa},
        {tituloComposicion_, &textos::concentracionInicial}, {etiquetaX0_, &textos::fraccionMolarXo},
        {etiquetaP0A_, &textos::porcentajeMasaA},     {tituloMasa_, &textos::masaInicial},
        {tituloEtapas_, &textos::numeroEtapas},        {tituloCalefaccion_, &textos::calefaccion},
    };
    for (const auto& [l, texto] : etiquetas) {
        l->setText(qtr(*texto));
        if (!l->wordWrap()) l->adjustSize();
    }
    tituloEquilibrio_->setFixedHeight(tituloEquilibrio_->heightForWidth(130));
    for (QLabel* l : {unidadMasaA_, unidadMasaB_, unidadP0A_}) {
        l->setText(l == unidadP0A_ ? QStringLiteral("%") : QStringLiteral("g/mol"));
        l->adjustSize();
    }
    // What a screen reader says of each box: its panel's title and its caption.
    const std::pair<QWidget*, QString> nombres[] = {
        {TxtCompA, tituloComponenteA_->text() + QStringLiteral(", ") + nombreA_->text()},
        {TxtMMA, tituloComponenteA_->text() + QStringLiteral(", ") + masaMolarA_->text()},
        {TxtCompB, tituloComponenteB_->text() + QStringLiteral(", ") + nombreB_->text()},
        {TxtMMB, tituloComponenteB_->text() + QStringLiteral(", ") + masaMolarB_->text()},
        {TxtX0A, tituloComposicion_->text() + QLatin1Char(' ') + etiquetaX0_->text()},
        {TxtP0A, tituloComposicion_->text() + QLatin1Char(' ') + etiquetaP0A_->text()},
        {TxtAlfa, etiquetaAlfa_->text()},
        {TxtMasa0, tituloMasa_->text()},
        {TxtCalor, qtr(textos::calefaccionNombre)},
        {CmbUnidadCalor, qtr(textos::unidadCalefaccion)},
        {cursorX0_, tituloComposicion_->text() + QLatin1Char(' ') + etiquetaX0_->text()},
        {cursorAlfa_, etiquetaAlfa_->text()},
    };
    for (const auto& [w, nombre] : nombres) w->setAccessibleName(nombre);
    // The unit's list, as it drops down, says the same.
    CmbUnidadCalor->view()->setAccessibleName(qtr(textos::unidadCalefaccion));
    for (int k = 1; k <= kMaxEtapas; ++k)
        OptETAP[static_cast<std::size_t>(k)]->setAccessibleName(tituloEtapas_->text() + QStringLiteral(": ") + QString::number(k));
    OptVOL->setText(qtr(textos::optVolatilidad));
    OptTAB->setText(qtr(textos::optTabla));
    OptVOL->adjustSize();
    OptTAB->adjustSize();
    botonEditarTabla_->setTexto(qtr(textos::editarTabla));
    botonPredecir_->setTexto(qtr(textos::predecirTabla));
    botonCalcular_->setTexto(qtr(textos::calcular));
    botonBorrar_->setTexto(qtr(textos::borrar));
    ponerTextosColumna();
}

}  // namespace quillon
