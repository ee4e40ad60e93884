#include "model/termo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/compuestos.h"
#include "model/termo_interno.h"
#include "model/termo_raices.h"
#include "model/texto.h"

namespace quillon::termo {

using namespace interno;

namespace {

constexpr double kToleranciaT = 5e-7;  // K

const datos::CompuestoTermo* compuesto(int i)
{
    const auto lista = datos::compuestos();
    return i >= 0 && static_cast<std::size_t>(i) < lista.size() ? &lista[static_cast<std::size_t>(i)] : nullptr;
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

bool hayParametrosUnifac(int a, int b)
{
    const auto *ca = compuesto(a), *cb = compuesto(b);
    return ca && cb && UnifacBinario::crear(ca->grupos, cb->grupos).has_value();
}

std::optional<Constantes> constantesDe(int i)
{
    if (!compuesto(i)) return std::nullopt;
    const datos::ConstantesFisicas& k = datos::constantesFisicas()[static_cast<std::size_t>(i)];
    return Constantes{k.Tc, k.PcKPa * 1000, k.Tm, k.dHvapKJ * 1000, k.TbDHvap};
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
    if (a == b) return textoDelPar(mensajes::mismoCompuesto, a, b);
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
        s.tMinAntoine_[i] = k.Tmin;
        s.tMaxAntoine_[i] = k.Tmax;
        const Constantes c = *constantesDe(s.comp_[i]);
        s.tCritica_[i] = c.Tc;
        s.tFusion_[i] = c.Tfusion;
    }
    // At 1 K above its pole a compound's vapour pressure is below 1e-300 Pa.
    s.tMinima_ = std::max(-s.C_[0], -s.C_[1]) + 1;
    for (int i = 0; i <= kTramosRocio; ++i) {
        PuntoCurva& p = s.curva_[static_cast<std::size_t>(i)];
        p.x = static_cast<double>(i) / kTramosRocio;
        p.T = s.temperaturaBurbuja(p.x);
        const auto t = s.lnParciales(p.x, p.T);
        p.y = std::exp(t[0] - lnSuma(t));
    }
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

Avisos Sistema::avisos(double x, double T) const
{
    x = fraccion(x);
    Avisos a;
    // Only a compound present in the liquid limits it.
    for (std::size_t i = 0; i < 2; ++i) {
        if (i == 0 ? x == 0 : x == 1) continue;
        if (!(T >= tMinAntoine_[i] && T <= tMaxAntoine_[i])) a |= Aviso::Extrapolada;
        if (T > tCritica_[i]) a |= Aviso::SobreCritica;
        if (T < tFusion_[i]) a |= Aviso::BajoFusion;
    }
    if (separaEnDosLiquidos(x, T)) a |= Aviso::DosLiquidos;
    return a;
}

bool Sistema::separaEnDosLiquidos(double x, double T) const
{
    // A pure liquid, or an ideal one, is stable.
    if (!unifac_ || x <= 0 || x >= 1) return false;
    // Stable while the activity of A rises with x at fixed T:
    // d ln(x gammaA) / dx = 1/x + d ln gammaA / dx > 0 (by Gibbs-Duhem, B's
    // then rises with 1 - x too).
    const double h = std::min({1e-5, x / 2, (1 - x) / 2});
    const double derivada = (unifac_->lnGammas(x + h, T)[0] - unifac_->lnGammas(x - h, T)[0]) / (2 * h);
    return !(1 / x + derivada > 0);
}

Burbuja Sistema::burbuja(double x) const
{
    x = fraccion(x);
    Burbuja b;
    b.T = temperaturaBurbuja(x);
    const auto t = lnParciales(x, b.T);
    b.y = std::exp(t[0] - lnSuma(t));
    b.avisos = avisos(x, b.T);
    return b;
}

double Sistema::temperaturaBurbuja(double x) const
{
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
    return raizEnIntervalo(f, bajo, alto, fBajo, fAlto, kToleranciaT);
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
