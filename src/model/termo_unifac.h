#pragma once
// Activity coefficients of a binary liquid by original UNIFAC (Fredenslund,
// Jones & Prausnitz 1975): combinatorial part with z = 10, residual part with
// main-group interactions (a_mn != a_nm).

#include <array>
#include <optional>
#include <span>

#include "model/termo_datos.h"

namespace quillon::termo {

using datos::GrupoCuenta;

class UnifacBinario {
public:
    // Empty when a subgroup is not in the tables or two of the main groups
    // have no published interaction parameter.
    static std::optional<UnifacBinario> crear(std::span<const GrupoCuenta> a, std::span<const GrupoCuenta> b);

    // ln gamma of both components for a liquid with mole fraction x of the
    // first, at T kelvin. Finite at x = 0 and x = 1 (infinite dilution).
    std::array<double, 2> lnGammas(double x, double T) const;

private:
    // Psi depends only on the main groups, so the subgroups of one main group
    // are summed once here: w[i][K] = sum of nu_k Q_k over the subgroups k of
    // component i in main group K. Then ln Gamma_k = Q_k f(K), and the
    // residual part of component i is sum_K w[i][K] (f(K) - f_i(K)).
    static constexpr int kMaxPrincipales = 6;
    using Fila = std::array<double, kMaxPrincipales>;

    void residual(const Fila& theta, const std::array<Fila, kMaxPrincipales>& psi, Fila& f) const;

    int principales_ = 0;
    std::array<double, 2> r_{}, q_{}, l_{};
    std::array<Fila, 2> w_{};
    std::array<Fila, kMaxPrincipales> a_{};  // a_KL in K
};

}  // namespace quillon::termo
