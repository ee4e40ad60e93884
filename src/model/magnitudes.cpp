#include "model/magnitudes.h"

#include "model/composicion.h"

namespace quillon {
namespace {

// The still's liquid or the distillate: percentages, masses and moles of A
// and B of `masa` mass units of mole fraction x.
struct Liquido {
    double pctA, masaA, pctB, masaB, xB, molesA, molesB;
};

Liquido liquido(double x, double masa, double mma, double mmb, double gramos)
{
    Liquido l;
    l.pctA = porcentajeMasico(x, mma, mmb);
    l.masaA = l.pctA * masa / 100;
    // B is shown as 0 whenever A is 0, so an empty still and a distillate not
    // yet begun read as zeros instead of pure B.
    l.pctB = l.pctA == 0 ? 0 : 100 - l.pctA;
    l.masaB = l.pctB * masa / 100;
    l.xB = l.pctA == 0 ? 0 : 1 - x;
    l.molesA = moles(l.masaA, gramos, mma);
    l.molesB = moles(l.masaB, gramos, mmb);
    return l;
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

    const Liquido s = liquido(xAs, v[MasaTotalResid], mma, mmb, g);
    v[PctMasaAResid] = s.pctA;
    v[MasaAResid] = s.masaA;
    v[PctMasaBResid] = s.pctB;
    v[MasaBResid] = s.masaB;
    v[XBResid] = s.xB;
    v[MolesAResid] = s.molesA;
    v[MolesBResid] = s.molesB;
    v[MolesTotalResid] = s.molesA + s.molesB;

    const Liquido d = liquido(xAd, v[MasaTotalDest], mma, mmb, g);
    v[PctMasaADest] = d.pctA;
    v[MasaADest] = d.masaA;
    v[PctMasaBDest] = d.pctB;
    v[MasaBDest] = d.masaB;
    v[XBDest] = d.xB;
    v[MolesADest] = d.molesA;
    v[MolesBDest] = d.molesB;
    v[MolesTotalDest] = d.molesA + d.molesB;

    v[PctMasaTotalDest] = P;
    const double molesTotales = v[MolesTotalDest] + v[MolesTotalResid];
    v[PctMolesTotalDest] = molesTotales == 0 ? 0 : 100 * v[MolesTotalDest] / molesTotales;
    return v;
}

}  // namespace quillon
