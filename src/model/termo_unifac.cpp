#include "model/termo_unifac.h"

#include <algorithm>
#include <cmath>

namespace quillon::termo {
namespace {

const datos::Subgrupo* buscarSubgrupo(int numero)
{
    const auto tabla = datos::subgrupos();
    const auto it = std::lower_bound(tabla.begin(), tabla.end(), numero,
                                     [](const datos::Subgrupo& s, int n) { return s.numero < n; });
    return it != tabla.end() && it->numero == numero ? &*it : nullptr;
}

std::optional<double> buscarInteraccion(int m, int n)
{
    const auto tabla = datos::interacciones();
    const auto antes = [](const datos::Interaccion& p, std::pair<int, int> c) { return std::pair{p.m, p.n} < c; };
    const auto it = std::lower_bound(tabla.begin(), tabla.end(), std::pair{m, n}, antes);
    if (it == tabla.end() || it->m != m || it->n != n) return std::nullopt;
    return it->a;
}

}  // namespace

std::optional<UnifacBinario> UnifacBinario::crear(std::span<const GrupoCuenta> a, std::span<const GrupoCuenta> b)
{
    UnifacBinario u;
    std::array<int, kMaxPrincipales> numeros{};  // main-group number of each index K
    const std::array<std::span<const GrupoCuenta>, 2> componentes{a, b};
    for (std::size_t i = 0; i < 2; ++i) {
        for (const GrupoCuenta& g : componentes[i]) {
            if (g.cuenta == 0) continue;
            const datos::Subgrupo* s = buscarSubgrupo(g.subgrupo);
            if (!s) return std::nullopt;
            const auto usados = numeros.begin() + u.principales_;
            const auto K = static_cast<std::size_t>(std::find(numeros.begin(), usados, s->grupoPrincipal) - numeros.begin());
            if (K == static_cast<std::size_t>(u.principales_)) {
                if (u.principales_ == kMaxPrincipales) return std::nullopt;
                numeros[K] = s->grupoPrincipal;
                ++u.principales_;
            }
            u.r_[i] += g.cuenta * s->R;
            u.q_[i] += g.cuenta * s->Q;
            u.w_[i][K] += g.cuenta * s->Q;
        }
        if (u.q_[i] <= 0) return std::nullopt;
        u.l_[i] = 5 * (u.r_[i] - u.q_[i]) - (u.r_[i] - 1);
    }
    for (int K = 0; K < u.principales_; ++K)
        for (int L = 0; L < u.principales_; ++L) {
            if (K == L) continue;
            const auto k = static_cast<std::size_t>(K), l = static_cast<std::size_t>(L);
            const auto amn = buscarInteraccion(numeros[k], numeros[l]);
            if (!amn) return std::nullopt;
            u.a_[k][l] = *amn;
        }
    return u;
}

// f(K) = 1 - ln(sum_M Theta_M Psi_MK) - sum_M Theta_M Psi_KM / (sum_N Theta_N Psi_NM).
void UnifacBinario::residual(const Fila& theta, const std::array<Fila, kMaxPrincipales>& psi, Fila& f) const
{
    const auto n = static_cast<std::size_t>(principales_);
    Fila s{};
    for (std::size_t L = 0; L < n; ++L)
        for (std::size_t M = 0; M < n; ++M) s[L] += theta[M] * psi[M][L];
    for (std::size_t K = 0; K < n; ++K) {
        double suma = 0;
        for (std::size_t M = 0; M < n; ++M) suma += theta[M] * psi[K][M] / s[M];
        f[K] = 1 - std::log(s[K]) - suma;
    }
}

std::array<double, 2> UnifacBinario::lnGammas(double x, double T) const
{
    const std::array<double, 2> xs{x, 1 - x};
    const auto n = static_cast<std::size_t>(principales_);

    // Combinatorial, written with Phi_i / x_i = r_i / sum x_j r_j so that it
    // holds at infinite dilution.
    const double rm = xs[0] * r_[0] + xs[1] * r_[1];
    const double qm = xs[0] * q_[0] + xs[1] * q_[1];
    const double lm = xs[0] * l_[0] + xs[1] * l_[1];
    std::array<double, 2> ln{};
    for (std::size_t i = 0; i < 2; ++i) {
        const double phiSobreX = r_[i] / rm;
        ln[i] = std::log(phiSobreX) + 5 * q_[i] * std::log(q_[i] * rm / (r_[i] * qm)) + l_[i] - phiSobreX * lm;
    }

    std::array<Fila, kMaxPrincipales> psi{};
    for (std::size_t K = 0; K < n; ++K)
        for (std::size_t L = 0; L < n; ++L) psi[K][L] = K == L ? 1 : std::exp(-a_[K][L] / T);

    // Theta_K of the mixture and of each pure component.
    Fila theta{}, f{};
    for (std::size_t K = 0; K < n; ++K) theta[K] = (xs[0] * w_[0][K] + xs[1] * w_[1][K]) / qm;
    residual(theta, psi, f);
    for (std::size_t i = 0; i < 2; ++i) {
        Fila puro{}, fPuro{};
        for (std::size_t K = 0; K < n; ++K) puro[K] = w_[i][K] / q_[i];
        residual(puro, psi, fPuro);
        for (std::size_t K = 0; K < n; ++K) ln[i] += w_[i][K] * (f[K] - fPuro[K]);
    }
    return ln;
}

}  // namespace quillon::termo
