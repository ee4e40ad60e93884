#include "model/termo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/compuestos.h"
#include "model/termo_raices.h"
#include "model/texto.h"

namespace quillon::termo {
namespace {

constexpr double kInfinito = std::numeric_limits<double>::infinity();
constexpr double kToleranciaT = 5e-7;  // K
// Relative only: a liquid that splits can have its vapour change by 0.2 between
// x = 0 and x = 1e-9.
constexpr double kToleranciaX = 0;
// No binary boils this hot below kPresionMaxima: 10^A alone exceeds it.
constexpr double kTMaxima = 5000;

const datos::CompuestoTermo* compuesto(int i)
{
    const auto lista = datos::compuestos();
    return i >= 0 && static_cast<std::size_t>(i) < lista.size() ? &lista[static_cast<std::size_t>(i)] : nullptr;
}

// NaN counts as 0: a composition is always somewhere in [0, 1].
double fraccion(double x) { return x >= 0 ? std::min(x, 1.0) : 0; }

// ln(e^a + e^b) without overflow; one term may be minus infinity.
double lnSuma(const std::array<double, 2>& t)
{
    const double m = std::max(t[0], t[1]);
    return m + std::log1p(std::exp(std::min(t[0], t[1]) - m));
}

}  // namespace

int compuestoDe(std::string_view nombreTecleado)
{
    const std::string buscado = normalizarNombre(nombreTecleado);
    for (const datos::NombrePrograma& n : datos::nombresPrograma())
        if (n.nombre == buscado) return n.compuesto;
    return -1;
}

int numCompuestos() { return static_cast<int>(datos::compuestos().size()); }

std::string_view nombreCompuesto(int i)
{
    const auto* c = compuesto(i);
    return c ? c->nombre : std::string_view{};
}

double presionVapor(int i, double T)
{
    const auto* c = compuesto(i);
    return c ? std::pow(10.0, c->antoine.A - c->antoine.B / (T + c->antoine.C)) : 0;
}

bool dentroDeRango(int i, double T)
{
    const auto* c = compuesto(i);
    return c && T >= c->antoine.Tmin && T <= c->antoine.Tmax;
}

double temperaturaEbullicion(int i, double P)
{
    const auto* c = compuesto(i);
    return c ? c->antoine.B / (c->antoine.A - std::log10(P)) - c->antoine.C : 0;
}

std::string textoDelPar(const Texto& t, int a, int b)
{
    std::string s = tr(t);
    reemplazarTodo(s, "%1", nombreCompuesto(a));
    reemplazarTodo(s, "%2", nombreCompuesto(b));
    return s;
}

std::variant<Sistema, std::string> Sistema::crear(int a, int b, Modelo m, double P)
{
    const datos::CompuestoTermo* ca = compuesto(a);
    const datos::CompuestoTermo* cb = compuesto(b);
    if (!ca || !cb) return std::string(tr(mensajes::compuestoDesconocido));
    if (!(P >= kPresionMinima && P <= kPresionMaxima)) return std::string(tr(mensajes::presion));
    Sistema s;
    if (m == Modelo::Unifac) {
        s.unifac_ = UnifacBinario::crear(ca->grupos, cb->grupos);
        if (!s.unifac_) return textoDelPar(mensajes::sinParametros, a, b);
    }
    s.comp_ = {a, b};
    s.modelo_ = m;
    s.P_ = P;
    s.lnP_ = std::log(P);
    for (std::size_t i = 0; i < 2; ++i) {
        const datos::Antoine& k = (i == 0 ? ca : cb)->antoine;
        s.lnA_[i] = k.A * std::numbers::ln10;
        s.lnB_[i] = k.B * std::numbers::ln10;
        s.C_[i] = k.C;
        s.teb_[i] = temperaturaEbullicion(s.comp_[i], P);
    }
    // At 1 K above its pole a compound's vapour pressure is below 1e-300 Pa.
    s.tMinima_ = std::max(-s.C_[0], -s.C_[1]) + 1;
    return s;
}

std::array<double, 2> Sistema::lnGammas(double x, double T) const
{
    return unifac_ ? unifac_->lnGammas(x, T) : std::array<double, 2>{0, 0};
}

std::array<double, 2> Sistema::lnParciales(double x, double T) const
{
    const auto g = lnGammas(x, T);
    return {x > 0 ? std::log(x) + g[0] + lnPsat(0, T) : -kInfinito,
            x < 1 ? std::log1p(-x) + g[1] + lnPsat(1, T) : -kInfinito};
}

bool Sistema::extrapolada(double x, double T) const
{
    return (x > 0 && !dentroDeRango(comp_[0], T)) || (x < 1 && !dentroDeRango(comp_[1], T));
}

Burbuja Sistema::burbuja(double x) const
{
    x = fraccion(x);
    // ln(bubble pressure / P): rises with T, and its root is the bubble point.
    auto f = [&](double T) { return lnSuma(lnParciales(x, T)) - lnP_; };
    // The pure boiling points bracket an ideal liquid; a non-ideal one may
    // boil outside them: widen, in growing steps, within tMinima_..kTMaxima.
    double bajo = std::min(teb_[0], teb_[1]), alto = std::max(teb_[0], teb_[1]);
    double fBajo = f(bajo), fAlto = f(alto);
    for (double paso = 1; fBajo > 0 && bajo > tMinima_; paso *= 2) {
        alto = bajo;
        fAlto = fBajo;
        bajo = std::max(bajo - paso, tMinima_);
        fBajo = f(bajo);
    }
    for (double paso = 1; fAlto < 0 && alto < kTMaxima; paso *= 2) {
        bajo = alto;
        fBajo = fAlto;
        alto = std::min(alto + paso, kTMaxima);
        fAlto = f(alto);
    }
    Burbuja b;
    b.T = raizEnIntervalo(f, bajo, alto, fBajo, fAlto, kToleranciaT);
    const auto t = lnParciales(x, b.T);
    b.y = std::exp(t[0] - lnSuma(t));
    b.extrapolada = extrapolada(x, b.T);
    return b;
}

Rocio Sistema::rocio(double y) const
{
    y = fraccion(y);
    // The bubble vapour goes from 0 to 1 as x does, but where UNIFAC foresees
    // two liquids it is not monotonic and several liquids share one vapour.
    // Cooling the vapour condenses the hottest of them first: look in every
    // stretch of x where the vapour crosses y, keep the hottest liquid.
    auto h = [&](double x) { return burbuja(x).y - y; };
    constexpr int kTramos = 20;
    Rocio r;
    r.T = -kInfinito;
    double xa = 0, ha = -y;
    for (int i = 1; i <= kTramos; ++i) {
        const double xb = static_cast<double>(i) / kTramos;
        const double hb = i == kTramos ? 1 - y : h(xb);
        if ((ha <= 0 && hb >= 0) || (ha >= 0 && hb <= 0)) {
            const double x = raizEnIntervalo(h, xa, xb, ha, hb, kToleranciaX);
            const Burbuja b = burbuja(x);
            if (b.T > r.T) r = {b.T, x, b.extrapolada};
        }
        xa = xb;
        ha = hb;
    }
    return r;
}

std::array<double, 2> Sistema::gammas(double x, double T) const
{
    const auto g = lnGammas(fraccion(x), T);
    return {std::exp(g[0]), std::exp(g[1])};
}

double Sistema::presionBurbuja(double x, double T) const { return std::exp(lnSuma(lnParciales(fraccion(x), T))); }

double Sistema::volatilidad(double x, double T) const
{
    const auto g = lnGammas(fraccion(x), T);
    return std::exp(g[0] + lnPsat(0, T) - g[1] - lnPsat(1, T));
}

}  // namespace quillon::termo
