#include "mainwindow/fila_etapas.h"

#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>

#include "mainwindow/caja_avance.h"
#include "mainwindow/caja_contenido.h"
#include "mainwindow/deslizador_etapa.h"
#include "mainwindow/fila_etapas_dibujo.h"
#include "mainwindow/imagen_guardada.h"
#include "documents/validador_guardable.h"
#include "platform/boton_imagen.h"
#include "platform/texto_qt.h"

namespace quillon {
namespace {

constexpr Texto kMasaDestilada{"% Mass distilled (% progress)", "% Masa destilada (% avance)"};
constexpr Texto kEtapa{"Stage ", "Etapa "};
constexpr Texto kEtapaAnterior{"Previous stage", "Etapa anterior"};
constexpr Texto kColector{"Receiver", "Colector"};
constexpr Texto kEtapaSiguiente{"Next stage", "Etapa siguiente"};

// The band under the pictures that carries the progress controls and the
// two arrow buttons, and its line.
constexpr int kArribaBanda = 412;
constexpr int kYLinea = 430;
constexpr int kXAnterior = 6;

const AltosFila kAltos{};

// The frame around a text: a line one pixel wide, as the style draws a plain
// box (on whole device pixels, as many as the pixel ratio rounds to), but
// filled as four rectangles: the style strokes it as a path, which is slow
// at a high pixel ratio.
class MarcoTexto : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QColor linea(150, 166, 186);
        const qreal dpr = devicePixelRatioF();
        const int w = qRound(dpr * width()), h = qRound(dpr * height()), grosor = qRound(dpr);
        QPainter p(this);
        p.scale(1 / dpr, 1 / dpr);
        p.fillRect(0, 0, w, grosor, linea);
        p.fillRect(0, h - grosor, w, grosor, linea);
        p.fillRect(0, 0, grosor, h, linea);
        p.fillRect(w - grosor, 0, grosor, h, linea);
    }
};

// The fixed names under the stills.
class EtiquetaFila : public ImagenGuardada<QLabel> {
public:
    using ImagenGuardada::ImagenGuardada;

protected:
    std::optional<QString> estado() const override { return text(); }
    // A label of plain text, with no frame, margin nor indent.
    void pintarEnReposo(QPainter& p) const override
    {
        style()->drawItemText(&p, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), text(), foregroundRole());
    }
};

QFont letraPequena(const QFont& base)
{
    QFont f = base;
    f.setPointSizeF(8);
    return f;
}

}  // namespace

FilaEtapas::FilaEtapas(Simulacion& sim, QWidget* padre)
    : QWidget(padre), sim_(sim), colorLiquido_(esquemasLiquido()[0].color)
{
    setObjectName(QStringLiteral("filaEtapas"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    crearControles();
    connect(&sim_, &Simulacion::documentoReemplazado, this, &FilaEtapas::mostrarCortes);
    connect(&sim_, &Simulacion::cambiado, this, &FilaEtapas::seguir);
    // No stale result stays beside an edit's message.
    connect(&sim_, &Simulacion::mensaje, this, [this](const QString& m) {
        if (!m.isEmpty()) blanquear();
    });
}

void FilaEtapas::seguir(const Cambios& c)
{
    if (c.hay(Cambios::NumEtapas | Cambios::Borrado | Cambios::Abierto)) primeraEtapa_ = 0;
    // A cut set in another view (the T-x-y diagram's slider) shows here too.
    if (c.hay(Cambios::Cortes)) mostrarCortes();
    if (c.hay(Cambios::Refresco | Cambios::Calculo | Cambios::Fuente | Cambios::Unidad | Cambios::NumEtapas |
              Cambios::Borrado | Cambios::Abierto))
        return Actualizar();
    if (!c.hay(Cambios::Cortes)) return;
    if (c.corteFinal) redibujarDesde(c.corteDesde);
    else DibujarNivelErlem(c.corteDesde);
}

void FilaEtapas::crearControles()
{
    const QFont pequena = letraPequena(font());
    for (int j = 0; j < kNumDibujos; ++j) {
        const auto i = static_cast<std::size_t>(j);
        // The frame goes first so that its text lies over it, 1 pixel inside.
        marcos_[i] = new MarcoTexto(this);
        marcos_[i]->resize(kAnchoTexto + 2, kAltoTexto + 2);

        textos_[i] = new CajaContenido(this);
        textos_[i]->setReadOnly(true);
        textos_[i]->setFrameStyle(QFrame::NoFrame);
        textos_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        textos_[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        textos_[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        textos_[i]->setFont(pequena);
        textos_[i]->resize(kAnchoTexto, kAltoTexto);

        const auto fondo = j == 0 ? cristaleria::Pieza::Alambique : cristaleria::Pieza::Receptor;
        dibujos_[i] = new DibujoEtapa(fondo, this);
        dibujos_[i]->setObjectName(QStringLiteral("dibujo%1").arg(j));
        textos_[i]->setObjectName(QStringLiteral("contenido%1").arg(j));
        marcos_[i]->setObjectName(QStringLiteral("marco%1").arg(j));
    }
    for (int k = 1; k <= kMaxEtapas; ++k) crearEtapa(k);
    // Each frame's right edge lies on its picture's left column: keep the
    // frames over the pictures and the texts over the frames.
    for (int j = 0; j < kNumDibujos; ++j) {
        marcos_[static_cast<std::size_t>(j)]->raise();
        textos_[static_cast<std::size_t>(j)]->raise();
    }

    anterior_ = new BotonImagen(QString(), this, BotonImagen::Dibujo::FlechaIzquierda);
    siguiente_ = new BotonImagen(QString(), this, BotonImagen::Dibujo::FlechaDerecha);
    anterior_->setObjectName(QStringLiteral("botonAnterior"));
    siguiente_->setObjectName(QStringLiteral("botonSiguiente"));
    anterior_->setAccessibleName(qtr(kEtapaAnterior));
    siguiente_->setAccessibleName(qtr(kEtapaSiguiente));
    anterior_->move(kXAnterior, kYLinea);
    siguiente_->move(width() - kDesdeDerechaSiguiente, kYLinea);
    connect(anterior_, &BotonImagen::clicked, this, &FilaEtapas::Anterior);
    connect(siguiente_, &BotonImagen::clicked, this, &FilaEtapas::Siguiente);

    // Until the first arrangement only the first still shows.
    aplicarDisposicion(disponerFila(0, 0, 1, kAltos));
}

void FilaEtapas::crearEtapa(int k)
{
    const auto i = static_cast<std::size_t>(k);
    const QFont pequena = letraPequena(font());
    piezas_[i] = new DibujoEtapa(cristaleria::Pieza::Tubo, this);
    piezas_[i]->setObjectName(QStringLiteral("tubo%1").arg(k));

    // The box first: the keyboard reaches it before the slider under it.
    cajas_[i] = new CajaAvance(sim_.textoCorte(k), this);
    cajas_[i]->setObjectName(QStringLiteral("cajaAvance%1").arg(k));
    cajas_[i]->setValidator(new ValidadorGuardable(cajas_[i]));
    cajas_[i]->resize(kAnchoAvance, kAltos.cajaAvance);
    cajas_[i]->installEventFilter(this);

    deslizadores_[i] = new DeslizadorEtapa(this);
    deslizadores_[i]->setObjectName(QStringLiteral("deslizador%1").arg(k));
    deslizadores_[i]->setRange(0, 100);
    deslizadores_[i]->setSingleStep(1);
    deslizadores_[i]->setPageStep(10);
    deslizadores_[i]->resize(kAnchoAvance, kAltos.deslizador);
    deslizadores_[i]->installEventFilter(this);
    const QString nombre = qtr(kEtapa) + QString::number(k) + QStringLiteral(": ") + qtr(kMasaDestilada);
    cajas_[i]->setAccessibleName(nombre);
    deslizadores_[i]->setAccessibleName(nombre);

    etiquetasAvance_[i] = new EtiquetaFila(qtr(kMasaDestilada), this);
    etiquetasAvance_[i]->setObjectName(QStringLiteral("etiquetaAvance%1").arg(k));
    etiquetasAvance_[i]->setFont(pequena);
    etiquetasAvance_[i]->resize(kAnchoAvance, kAltos.etiquetaAvance);
    etiquetasAvance_[i]->raise();

    etiquetasEtapa_[i] = new EtiquetaFila(qtr(kEtapa) + QString::number(k), this);
    etiquetasEtapa_[i]->setObjectName(QStringLiteral("etiquetaEtapa%1").arg(k));
    QFont negrita = font();
    negrita.setBold(true);
    etiquetasEtapa_[i]->setFont(negrita);
    etiquetasEtapa_[i]->resize(kAnchoEtiquetaEtapa, kAltos.etiquetaEtapa);
    conectarEtapa(k);
}

void FilaEtapas::conectarEtapa(int k)
{
    QScrollBar* s = deslizadores_[static_cast<std::size_t>(k)];
    // While the thumb is dragged the value changes with the slider down: only
    // this stage follows; the release settles the change like a click.
    connect(s, &QScrollBar::valueChanged, this, [this, k, s] { deslizadorMovido(k, !s->isSliderDown()); });
    connect(s, &QScrollBar::sliderPressed, this,
            [this, k, s] { valorAlPulsar_[static_cast<std::size_t>(k)] = s->value(); });
    connect(s, &QScrollBar::sliderReleased, this, [this, k, s] {
        if (s->value() != valorAlPulsar_[static_cast<std::size_t>(k)]) deslizadorMovido(k, true);
    });
    connect(cajas_[static_cast<std::size_t>(k)], &QLineEdit::textEdited, this, [this, k] { avanceTecleado(k); });
}

bool FilaEtapas::eventFilter(QObject* objeto, QEvent* evento)
{
    // The page keys scroll the row, unless a slider has the focus: then they
    // move it by ten, and Home and End take it to the ends.
    if (evento->type() == QEvent::ShortcutOverride && qobject_cast<QScrollBar*>(objeto)) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown || tecla == Qt::Key_Home || tecla == Qt::Key_End)
            evento->accept();
    }
    if (evento->type() == QEvent::FocusIn) {
        const int k = etapaDe(objeto);
        // Entering a box selects its whole text, after the click that gave it
        // the focus has placed the caret.
        if (k > 0) QTimer::singleShot(0, cajas_[static_cast<std::size_t>(k)], &QLineEdit::selectAll);
    }
    return QWidget::eventFilter(objeto, evento);
}

int FilaEtapas::etapaDe(QObject* control) const
{
    for (int k = 1; k <= kMaxEtapas; ++k)
        if (cajas_[static_cast<std::size_t>(k)] == control) return k;
    return 0;
}

void FilaEtapas::Actualizar()
{
    const int n = sim_.numEtapas();
    emit mensaje(QString());
    AltosFila altos = kAltos;
    // A column adds a line to each still's text.
    if (sim_.hayColumna()) altos.textoArriba = textos_[0]->fontMetrics().lineSpacing() + 2;
    aplicarDisposicion(disponerFila(width(), primeraEtapa_, n, altos));
    for (int j = 0; j < kNumDibujos; ++j) {
        dibujos_[static_cast<std::size_t>(j)]->fijarFondo(j == n ? cristaleria::Pieza::Receptor
                                                                 : cristaleria::Pieza::Alambique);
        textos_[static_cast<std::size_t>(j)]->setAccessibleName(j == n ? qtr(kColector) : qtr(kEtapa) + QString::number(j + 1));
    }
    // The row is drawn from stage 1 as its percent box gives it. Redrawing is
    // not an edit: the document's changed flag is left alone.
    redibujarDesde(1);
}

void FilaEtapas::aplicarDisposicion(const DisposicionFila& d)
{
    for (int j = 0; j < kNumDibujos; ++j) {
        const auto i = static_cast<std::size_t>(j);
        const bool ver = d.dibujoVisible[i];
        // A shown text is written again by the drawing that follows (or
        // blanked by its message); a hidden one keeps nothing stale.
        if (!ver && !textos_[i]->document()->isEmpty()) textos_[i]->clear();
        if (ver) {
            dibujos_[i]->move(d.dibujo[i].topLeft());
            textos_[i]->setGeometry(d.texto[i]);
            marcos_[i]->setGeometry(d.marco[i]);
        }
        dibujos_[i]->setVisible(ver);
        textos_[i]->setVisible(ver);
        marcos_[i]->setVisible(ver);
    }
    for (int k = 1; k <= kMaxEtapas; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool ver = d.etapaVisible[i];
        if (ver) {
            piezas_[i]->move(d.pieza[i].topLeft());
            deslizadores_[i]->setGeometry(d.deslizador[i]);
            cajas_[i]->setGeometry(d.cajaAvance[i]);
            etiquetasAvance_[i]->setGeometry(d.etiquetaAvance[i]);
            etiquetasEtapa_[i]->setGeometry(d.etiquetaEtapa[i]);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{piezas_[i], deslizadores_[i], cajas_[i],
                                                          etiquetasAvance_[i], etiquetasEtapa_[i]})
            w->setVisible(ver);
    }
}

void FilaEtapas::Siguiente()
{
    const int f = primeraTrasSiguiente(primeraEtapa_, sim_.numEtapas(), etapasQueCaben(width()));
    if (f == primeraEtapa_) return;
    primeraEtapa_ = f;
    Actualizar();
}

void FilaEtapas::Anterior()
{
    primeraEtapa_ = primeraTrasAnterior(primeraEtapa_);
    Actualizar();
}

void FilaEtapas::fijarPrimeraEtapa(int f) { primeraEtapa_ = std::clamp(f, 0, kMaxEtapas); }

void FilaEtapas::fijarEsquemaColor(int i, bool redibujar)
{
    if (i < 0 || i >= kNumEsquemas) return;
    esquema_ = i;
    colorLiquido_ = esquemasLiquido()[static_cast<std::size_t>(i)].color;
    if (redibujar) Actualizar();
}

void FilaEtapas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.fillRect(QRect(0, kArribaBanda, width(), height() - kArribaBanda), QColor(243, 247, 252));
    p.setPen(QColor(205, 216, 230));
    p.drawLine(0, kArribaBanda, width(), kArribaBanda);
    p.setPen(QColor(176, 192, 212));
    p.drawLine(0, kYLinea, width(), kYLinea);
}

void FilaEtapas::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // The next-stage button keeps 100 pixels from the right edge.
    siguiente_->move(width() - kDesdeDerechaSiguiente, kYLinea);
    // Arranged again for the new width once the resizing stops.
    if (isVisible()) sim_.pedirRefresco();
}

}  // namespace quillon
