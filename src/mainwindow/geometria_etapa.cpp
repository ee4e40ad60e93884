#include "mainwindow/geometria_etapa.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "model/equilibrio.h"
#include "model/numero.h"

namespace quillon {
namespace {

// Int(v + 0.5) kept within 0..maximo; a value that is no number draws nothing.
int filasAcotadas(double v, int maximo)
{
    if (!std::isfinite(v)) return 0;
    const double filas = std::floor(v + 0.5);
    return static_cast<int>(std::clamp(filas, 0.0, static_cast<double>(maximo)));
}

// Places of the first picture shown and of its text.
constexpr int kMargenTexto = 6;
constexpr int kArribaDibujo = 65;
constexpr int kBajadaTexto = 150 - 4;   // the text's top below the picture's top
constexpr int kArribaEtiquetaEtapa = 30;  // the stage label above the picture
constexpr int kHolguraSiguiente = 6;      // between a stage's controls and the next-stage button

QRect marcoDe(const QRect& texto) { return texto.adjusted(-1, -1, 1, 1); }

}  // namespace

int alturaAlambique(double avance, double fraccion)
{
    return filasAcotadas((100 - avance) * fraccion * 1.2, kMaxFilasAlambique);
}

int alturaReceptor(double avance, double fraccion)
{
    return filasAcotadas(fraccion * 1.3 * avance, kMaxFilasReceptor);
}

double semiAnchoAlambique(int y)
{
    const double dy = y - kCentroAlambiqueY;
    return std::sqrt(std::abs(kRadio2Alambique - dy * dy));
}

double margenReceptor(int y)
{
    const double t = (336 - y) / 100.0;
    if (t < 0.14) return (0.17 - t) * 100;
    if (t < 0.24) return (0.29 - t) * 24;
    if (t < 0.30) return (t - 0.11) * 11;
    return (t - 0.26) * 41;
}

std::vector<FilaLiquido> filasAlambique(int h)
{
    std::vector<FilaLiquido> filas;
    h = std::clamp(h, 0, kMaxFilasAlambique);
    filas.reserve(static_cast<std::size_t>(h));
    for (int y = 337; y >= 338 - h; --y) {
        const double w = semiAnchoAlambique(y);
        filas.push_back({y, kCentroAlambiqueX - w, kCentroAlambiqueX + w});
    }
    return filas;
}

std::vector<FilaLiquido> filasReceptor(int h2)
{
    std::vector<FilaLiquido> filas;
    h2 = std::clamp(h2, 0, kMaxFilasReceptor);
    filas.reserve(static_cast<std::size_t>(h2));
    for (int y = 336; y >= 337 - h2; --y) {
        const double w = margenReceptor(y);
        filas.push_back({y, 6 + w, 138 - w});
    }
    return filas;
}

const std::array<EsquemaLiquido, kNumEsquemas>& esquemasLiquido()
{
    static const std::array<EsquemaLiquido, kNumEsquemas> esquemas{{
        {{"&Blue", "&Azul"}, {200, 200, 255, 0, 0, 120}},
        {{"&Red - garnet", "&Rojo - granate"}, {255, 160, 160, 128, 0, 0}},
        {{"&Pink - violet", "&Rosa - violeta"}, {255, 180, 255, 96, 0, 96}},
        {{"&Green", "&Verde"}, {180, 255, 180, 0, 96, 0}},
        {{"&Yellow - orange", "&Amarillo - naranja"}, {255, 255, 100, 240, 120, 0}},
    }};
    return esquemas;
}

ColorRGB colorLiquido(const EsquemaColor& c, double x)
{
    if (!std::isfinite(x)) x = 0;
    auto componente = [&](int i) {
        const long v = redondearPar((1 - x) * c[static_cast<std::size_t>(i)] + x * c[static_cast<std::size_t>(i + 3)]);
        return static_cast<int>(std::clamp(v, 0L, 255L));
    };
    return {componente(0), componente(1), componente(2)};
}

int etapasQueCaben(int anchoFila)
{
    const int caben = (anchoFila - 304) / 306;
    return anchoFila < 304 ? 0 : caben;
}

int primeraTrasSiguiente(int primera, int numEtapas, int caben)
{
    int f = primera + 1;
    if (numEtapas - f + 1 <= caben) f = numEtapas - caben;
    return std::clamp(f, 0, kMaxEtapas);
}

int primeraTrasAnterior(int primera) { return std::max(primera - 1, 0); }

DisposicionFila disponerFila(int anchoFila, int primera, int numEtapas, const AltosFila& altos)
{
    DisposicionFila d;
    const int f = std::clamp(primera, 0, kMaxEtapas);
    d.caben = etapasQueCaben(anchoFila);
    d.ultima = std::min(f + d.caben, std::clamp(numEtapas, 1, kMaxEtapas));

    const auto fi = static_cast<std::size_t>(f);
    const int arriba = std::clamp(altos.textoArriba, 0, kBajadaTexto - kAltoPieza);
    d.texto[fi] = QRect(kMargenTexto, kArribaDibujo + kBajadaTexto - arriba, kAnchoTexto, kAltoTexto + arriba);
    d.dibujo[fi] = QRect(kMargenTexto + kAnchoTexto, kArribaDibujo, kAnchoDibujo, kAltoDibujo);
    d.marco[fi] = marcoDe(d.texto[fi]);
    d.dibujoVisible[0] = f == 0;

    for (int k = f + 1; k <= d.ultima; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QRect anterior = d.dibujo[i - 1];
        const int derecha = anterior.x() + anterior.width();
        d.dibujoVisible[i - 1] = d.dibujoVisible[i] = d.etapaVisible[i] = true;
        d.texto[i] = QRect(derecha + 2, d.texto[i - 1].y(), kAnchoTexto, d.texto[i - 1].height());
        d.pieza[i] = QRect(derecha, anterior.y(), kAnchoPieza, kAltoPieza);
        d.dibujo[i] = QRect(derecha + kAnchoPieza, anterior.y(), kAnchoDibujo, kAltoDibujo);
        d.marco[i] = marcoDe(d.texto[i]);
        // The progress controls of stage k stand under the right half of its still.
        // Just past the width where a still more fits, the last ones would
        // run under the next-stage button: they end before it.
        const int x = anterior.x() + anterior.width() / 2 + 10;
        const int ancho = std::clamp(anchoFila - kDesdeDerechaSiguiente - kHolguraSiguiente - x, 0, kAnchoAvance);
        d.etiquetaAvance[i] = QRect(x, anterior.y() + anterior.height() + 6, ancho, altos.etiquetaAvance);
        d.cajaAvance[i] = QRect(x, d.etiquetaAvance[i].bottom() + 1 + 2, ancho, altos.cajaAvance);
        d.deslizador[i] = QRect(x, d.cajaAvance[i].bottom() + 1 + 4, ancho, altos.deslizador);
        d.etiquetaEtapa[i] = QRect(x, d.dibujo[i].y() - kArribaEtiquetaEtapa, kAnchoEtiquetaEtapa, altos.etiquetaEtapa);
    }
    return d;
}

}  // namespace quillon
