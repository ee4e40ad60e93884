#include "model/magnitudes.h"

#include "model/composicion.h"

namespace quillon {
namespace {

// Where the figures of the still's liquid, or of the distillate, go among
// the quantities.
struct IndicesLiquido {
    int pctA, masaA, pctB, masaB, xB, molesA, molesB, molesTotal;
};
constexpr IndicesLiquido kAlambique{PctMasaAResid, MasaAResid, PctMasaBResid, MasaBResid,
                                    XBResid,       MolesAResid, MolesBResid,  MolesTotalResid};
constexpr IndicesLiquido kDestilado{PctMasaADest, MasaADest, PctMasaBDest, MasaBDest,
                                    XBDest,       MolesADest, MolesBDest,  MolesTotalDest};

// Percentages, masses and moles of A and B of `masa` mass units of mole
// fractions x of A and xB of B.
void anotarLiquido(ValoresMagnitudes& v, const IndicesLiquido& i, double x, double xB, double masa, double mma,
                   double mmb, double gramos)
{
    const auto en = [&v](int q) -> double& { return v[static_cast<std::size_t>(q)]; };
    const double pctA = porcentajeMasico(x, mma, mmb);
    en(i.pctA) = pctA;
    en(i.masaA) = pctA * masa / 100;
    // B is shown as 0 whenever A is 0, so an empty still and a distillate not
    // yet begun read as zeros instead of pure B.
    en(i.pctB) = pctA == 0 ? 0 : restoPreciso(100, pctA, [&] { return masaDeBEn(100, x, xB, mma, mmb); });
    en(i.masaB) = en(i.pctB) * masa / 100;
    en(i.xB) = pctA == 0 ? 0 : xB;
    en(i.molesA) = moles(en(i.masaA), gramos, mma);
    en(i.molesB) = moles(en(i.masaB), gramos, mmb);
    en(i.molesTotal) = en(i.molesA) + en(i.molesB);
}

}  // namespace

const std::array<InfoMagnitud, kNumMagnitudes>& magnitudes()
{
    static const std::array<InfoMagnitud, kNumMagnitudes> lista{{
        {"% Total mass distilled", "%tMd"},
        {"% Total moles distilled", "%tNd"},
        {"% Accumulated mass of A distilled", "%MAd"},
        {"% Mass of A in still pot", "%MAs"},
        {"Accumulated mole fraction of A distilled", " XAd"},
        {"Mole fraction of A in still pot", " XAs"},
        {"Total mass distilled", " tMd"},
        {"Total moles distilled", " tNd"},
        {"% Mass of B in still pot", "%MBs"},
        {"Mole fraction of B in still pot", " XBs"},
        {"% Accumulated mass of B distilled", "%MBd"},
        {"Accumulated mole fraction of B distilled", " XBd"},
        {"Total mass in still pot", " tMs"},
        {"Total moles in still pot", " tNs"},
        {"Mass of A in still pot", " MAs"},
        {"Mass of B in still pot", " MBs"},
        {"Moles of A in still pot", " NAs"},
        {"Moles of B in still pot", " NBs"},
        {"Accumulated mass of A distilled", " MAd"},
        {"Accumulated mass of B distilled", " MBd"},
        {"Accumulated moles of A distilled", " NAd"},
        {"Accumulated moles of B distilled", " NBd"},
        {"Mole fraction of A in distilled vapor", " YAd"},
    }};
    return lista;
}

const std::array<int, 17>& listaEjeY()
{
    static const std::array<int, 17> lista{2, 3, 4, 5, 8, 9, 10, 11, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    return lista;
}

const std::array<int, 6>& listaEjeX()
{
    static const std::array<int, 6> lista{0, 1, 6, 7, 12, 13};
    return lista;
}

bool esMagnitudDeMasa(int indice)
{
    const std::string_view codigo = magnitudes()[static_cast<std::size_t>(indice)].codigo;
    return codigo.find('M') != std::string_view::npos && codigo.find('%') == std::string_view::npos;
}

const std::array<UnidadMasa, 4>& unidadesMasa()
{
    static const std::array<UnidadMasa, 4> lista{{
        {"g", 1.0},
        {"kg", 1000.0},
        {"oz", 28.349523125},
        {"lb", 453.59237},
    }};
    return lista;
}

namespace {

// Masses of A and B distilled per unit mass of the charge: the charge less
// the still. The balance has always taken B as the mass distilled less A.
// Where one component far outweighs the other, or the charge is almost pure,
// that difference (or A's own) is the rounding of nearly equal masses; each
// component is then balanced from its own mass fraction, and a balance below
// the rounding of its terms is 0, not a negative mass.
struct MasasDestiladas {
    double a, b;
};

MasasDestiladas masasDestiladas(double P, double x, double x0, double mma, double mmb)
{
    const double p = P / 100;
    const double wA0 = fraccionMasica(x0, mma, mmb);
    const double a = wA0 - masaDeAEn(1 - p, x, mma, mmb);
    const double b = p - a;
    if (a >= kPerdidaDeCifras * wA0 && b >= kPerdidaDeCifras * (p + wA0)) return {a, b};
    const double bPropia = masaDeBEn(1, x0, 1 - x0, mma, mmb) - masaDeBEn(1 - p, x, 1 - x, mma, mmb);
    return {std::max(a, 0.0), std::max(bPropia, 0.0)};
}

}  // namespace

ComposicionDestilado composicionDestilado(double P, double x, double x0, double mma, double mmb)
{
    if (x0 == 0 || P == 0) return {0, 0};
    if (x0 == 1) return {1, 0};
    const MasasDestiladas m = masasDestiladas(P, x, x0, mma, mmb);
    if (m.a == 0 && m.b == 0) return {0, 0};
    const double xA = fraccionMolar(m.a, m.b, mma, mmb);
    return {xA, restoPreciso(1, xA, [&] { return fraccionMolar(m.b, m.a, mmb, mma); })};
}

double GetXD_DEST(double P, double x, double x0, double mma, double mmb)
{
    return composicionDestilado(P, x, x0, mma, mmb).xA;
}

ValoresMagnitudes EvaluarMagnitudes(const EtapaEvaluable& e, double P)
{
    ValoresMagnitudes v{};
    const double mma = e.mma, mmb = e.mmb, g = e.gramos, M = e.masaCarga;

    const double xAs = composicionEnAvance(*e.columna, P);
    const ComposicionDestilado d = composicionDestilado(P, xAs, e.x0, mma, mmb);
    v[XAResid] = xAs;
    v[XADest] = d.xA;
    v[YAVapor] = e.elv->yEq(xAs);

    v[MasaTotalDest] = P * M / 100;
    v[MasaTotalResid] = masaQueQueda(M, v[MasaTotalDest]);

    anotarLiquido(v, kAlambique, xAs, 1 - xAs, v[MasaTotalResid], mma, mmb, g);
    anotarLiquido(v, kDestilado, d.xA, d.xB, v[MasaTotalDest], mma, mmb, g);

    v[PctMasaTotalDest] = P;
    const double molesTotales = v[MolesTotalDest] + v[MolesTotalResid];
    // 100·n/n rounds above 100 for some n: the whole charge distilled is 100 %.
    v[PctMolesTotalDest] = molesTotales == 0 ? 0 : std::min(100 * v[MolesTotalDest] / molesTotales, 100.0);
    return v;
}

}  // namespace quillon
