#include "model/tiempo_calor.h"

#include <algorithm>
#include <cmath>

#include "model/cadena.h"
#include "model/rectificacion.h"

namespace quillon {
namespace {

// The last row with liquid in the still: the empty still's last step boils
// the liquid of this row.
constexpr int kUltimaFilaLiquido = kPasosAvance - 1;

// Moles in the still per gram of the stage's charge at row i: the mass left,
// 1 - i/10000 of the charge, over the liquid's mass per mole.
double molesEnAlambique(const ColumnaAvance& alambique, int i, double mma, double mmb)
{
    if (i >= kPasosAvance) return 0;
    const double x = alambique[static_cast<std::size_t>(i)];
    return (1 - static_cast<double>(i) / kPasosAvance) / (x * mma + (1 - x) * mmb);
}

// The latent heats of A and B at the still's bubble temperature, sampled at
// evenly spaced still compositions and read in straight lines between them.
class MuestrasCalorLatente {
public:
    MuestrasCalorLatente(const termo::Sistema& s, double desde, double hasta) : desde_(desde)
    {
        const termo::Constantes ca = *termo::constantesDe(s.compuestoA());
        const termo::Constantes cb = *termo::constantesDe(s.compuestoB());
        paso_ = (hasta - desde) / (kNodosCalorLatente - 1);
        for (std::size_t i = 0; i < kNodosCalorLatente; ++i) {
            const double T = s.burbuja(desde + paso_ * static_cast<double>(i)).T;
            const auto ha = calorLatente(ca, T), hb = calorLatente(cb, T);
            if (!ha || !hb) {
                sobreCritica_ = true;
                return;
            }
            a_[i] = *ha;
            b_[i] = *hb;
        }
    }
    bool sobreCritica() const { return sobreCritica_; }

    // J per mole of the vapour y boiled off a liquid x.
    double vapor(double x, double y) const
    {
        if (paso_ <= 0) return y * a_[0] + (1 - y) * b_[0];
        const double t = std::clamp((x - desde_) / paso_, 0.0, static_cast<double>(kNodosCalorLatente - 1));
        const auto i = std::min(static_cast<std::size_t>(t), static_cast<std::size_t>(kNodosCalorLatente - 2));
        const double f = t - static_cast<double>(i);
        const double ha = a_[i] + f * (a_[i + 1] - a_[i]);
        const double hb = b_[i] + f * (b_[i + 1] - b_[i]);
        return y * ha + (1 - y) * hb;
    }

private:
    double desde_ = 0, paso_ = 0;
    std::array<double, kNodosCalorLatente> a_{}, b_{};
    bool sobreCritica_ = false;
};

}  // namespace

std::optional<double> calorLatente(const termo::Constantes& c, double T)
{
    const double base = (c.Tc - T) / (c.Tc - c.tEntalpia);
    if (!(base > 0)) return std::nullopt;
    return c.entalpiaVaporizacion * std::pow(base, 0.38);
}

bool calorLatenteIncierto(int compuesto)
{
    return compuesto >= 0 &&
           (compuesto == termo::compuestoDe("formic acid") || compuesto == termo::compuestoDe("acetic acid"));
}

std::string notaCalorLatenteIncierto()
{
    constexpr Texto kNota{
        "Note: the vapour of formic and acetic acid is associated; their latent heats, and Watson's relation "
        "below their boiling points, are uncertain, and so are the time and the heat.",
        "Nota: el vapor de los ácidos fórmico y acético está asociado; sus calores latentes, y la relación de "
        "Watson por debajo de su punto de ebullición, son inciertos, y con ellos el tiempo y el calor."};
    return tr(kNota);
}

void acumularCalor(const ColumnaAvance& alambique, const AvanceColumnaPlatos* cabeza, const ModeloELV& elv,
                   double mma, double mmb, const termo::Sistema* s, AcumuladoCalor& a)
{
    const auto primera = alambique.begin(), ultima = alambique.begin() + kUltimaFilaLiquido + 1;
    const auto [menor, mayor] = std::minmax_element(primera, ultima);
    std::optional<MuestrasCalorLatente> muestras;
    if (s) muestras.emplace(*s, *menor, *mayor);
    a.sobreCritica = muestras && muestras->sobreCritica();
    a.conCalor = muestras && !a.sobreCritica;

    // Per mole distilled at row i: the moles vaporized, and the heat they take.
    const auto vaporizados = [&](int i) {
        return cabeza ? 1 + cabeza->reflujo[static_cast<std::size_t>(i)] : 1.0;
    };
    const auto calorPorMol = [&](int i) {
        const double x = alambique[static_cast<std::size_t>(i)];
        return a.conCalor ? vaporizados(i) * muestras->vapor(x, elv.yEq(x)) : 0.0;
    };
    double nAnterior = molesEnAlambique(alambique, 0, mma, mmb);
    double vAnterior = vaporizados(0), qAnterior = calorPorMol(0);
    a.moles[0] = a.calor[0] = 0;
    // Trapezoids over the moles distilled between two rows.
    for (int i = 1; i <= kPasosAvance; ++i) {
        const int liquido = std::min(i, kUltimaFilaLiquido);
        const double n = molesEnAlambique(alambique, i, mma, mmb);
        const double v = vaporizados(liquido), q = calorPorMol(liquido);
        const double dn = nAnterior - n;
        const auto fila = static_cast<std::size_t>(i);
        a.moles[fila] = a.moles[fila - 1] + dn * (vAnterior + v) / 2;
        a.calor[fila] = a.calor[fila - 1] + dn * (qAnterior + q) / 2;
        nAnterior = n;
        vAnterior = v;
        qAnterior = q;
    }
}

std::optional<TiempoCalor> tiempoCalorEnFila(const AcumuladoCalor& a, const Calefaccion& c, double gramos, int fila)
{
    const auto i = static_cast<std::size_t>(filaAcotada(fila));
    if (c.potencia && !a.conCalor) return std::nullopt;
    TiempoCalor r;
    const double segundos = c.potencia ? gramos * a.calor[i] / c.valorSI : gramos * a.moles[i] / c.valorSI;
    r.minutos = segundos / 60;
    if (a.conCalor) r.kJ = gramos * a.calor[i] / 1000;
    if (!std::isfinite(r.minutos) || (r.kJ && !std::isfinite(*r.kJ))) return std::nullopt;
    return r;
}

RelojEtapas::RelojEtapas() : datos_(std::make_unique<std::array<AcumuladoCalor, 7>>()) {}
RelojEtapas::~RelojEtapas() = default;

const AcumuladoCalor& RelojEtapas::acumulado(const CadenaEtapas& cadena, int etapa, const ModeloELV& elv, double mma,
                                              double mmb, const termo::Sistema* s)
{
    const auto k = static_cast<std::size_t>(etapa);
    Clave clave{cadena.version(etapa)};
    if (s) clave = {clave.version, s->compuestoA(), s->compuestoB(), s->modelo(), s->presion()};
    AcumuladoCalor& a = (*datos_)[k];
    if (claves_[k] != clave) {
        const AvanceColumnaPlatos* cabeza = cadena.columnaPlatos().hay() ? &cadena.cabeza(etapa) : nullptr;
        acumularCalor(cadena.columna(etapa), cabeza, elv, mma, mmb, s, a);
        claves_[k] = clave;
    }
    return a;
}

}  // namespace quillon
