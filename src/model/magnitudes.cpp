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
// fraction x.
void anotarLiquido(ValoresMagnitudes& v, const IndicesLiquido& i, double x, double masa, double mma, double mmb,
                   double gramos)
{
    const auto en = [&v](int q) -> double& { return v[static_cast<std::size_t>(q)]; };
    const double pctA = porcentajeMasico(x, mma, mmb);
    en(i.pctA) = pctA;
    en(i.masaA) = pctA * masa / 100;
    // B is shown as 0 whenever A is 0, so an empty still and a distillate not
    // yet begun read as zeros instead of pure B.
    en(i.pctB) = pctA == 0 ? 0 : 100 - pctA;
    en(i.masaB) = en(i.pctB) * masa / 100;
    en(i.xB) = pctA == 0 ? 0 : 1 - x;
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

double GetXD_DEST(double P, double x, double x0, double mma, double mmb)
{
    if (x0 == 0 || P == 0) return 0;
    if (x0 == 1) return 1;
    // Per unit mass of the charge: A in the charge, A left in the still, and
    // what was distilled of each.
    const double mAd = fraccionMasica(x0, mma, mmb) - masaDeAEn(1 - P / 100, x, mma, mmb);
    const double mBd = P / 100 - mAd;
    if (mAd == 0 && mBd == 0) return 0;
    return fraccionMolar(mAd, mBd, mma, mmb);
}

ValoresMagnitudes EvaluarMagnitudes(const EtapaEvaluable& e, double P)
{
    ValoresMagnitudes v{};
    const double mma = e.mma, mmb = e.mmb, g = e.gramos, M = e.masaCarga;

    const double xAs = composicionEnAvance(*e.columna, P);
    const double xAd = GetXD_DEST(P, xAs, e.x0, mma, mmb);
    v[XAResid] = xAs;
    v[XADest] = xAd;
    v[YAVapor] = e.elv->yEq(xAs);

    v[MasaTotalDest] = P * M / 100;
    v[MasaTotalResid] = M - v[MasaTotalDest];

    anotarLiquido(v, kAlambique, xAs, v[MasaTotalResid], mma, mmb, g);
    anotarLiquido(v, kDestilado, xAd, v[MasaTotalDest], mma, mmb, g);

    v[PctMasaTotalDest] = P;
    const double molesTotales = v[MolesTotalDest] + v[MolesTotalResid];
    v[PctMolesTotalDest] = molesTotales == 0 ? 0 : 100 * v[MolesTotalDest] / molesTotales;
    return v;
}

}  // namespace quillon
