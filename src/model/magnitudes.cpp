#include "model/magnitudes.h"

namespace quillon {

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
        {"g", "1", 1.0},
        {"kg", "1000", 1000.0},
        {"oz", "28.349523125", 28.349523125},
        {"lb", "453.59237", 453.59237},
    }};
    return lista;
}

double GetXD_DEST(double P, double x, double x0, double mma, double mmb)
{
    if (x0 == 0 || P == 0) return 0;
    if (x0 == 1) return 1;
    const double wA0 = x0 * mma / ((1 - x0) * mmb + x0 * mma);
    const double wAs = (1 - P / 100) * x * mma / ((1 - x) * mmb + x * mma);
    const double mAd = wA0 - wAs;
    const double mBd = P / 100 - mAd;
    if (mAd == 0 && mBd == 0) return 0;
    return (mAd / mma) / (mBd / mmb + mAd / mma);
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

    // B is shown as 0 whenever A is 0, so an empty still and a distillate not
    // yet begun read as zeros instead of pure B.
    v[PctMasaAResid] = 100 * xAs * mma / ((1 - xAs) * mmb + xAs * mma);
    v[MasaAResid] = v[PctMasaAResid] * v[MasaTotalResid] / 100;
    v[PctMasaBResid] = v[PctMasaAResid] == 0 ? 0 : 100 - v[PctMasaAResid];
    v[MasaBResid] = v[PctMasaBResid] * v[MasaTotalResid] / 100;
    v[XBResid] = v[PctMasaAResid] == 0 ? 0 : 1 - xAs;
    v[MolesAResid] = g * v[MasaAResid] / mma;
    v[MolesBResid] = g * v[MasaBResid] / mmb;
    v[MolesTotalResid] = v[MolesAResid] + v[MolesBResid];

    v[PctMasaADest] = 100 * xAd * mma / ((1 - xAd) * mmb + xAd * mma);
    v[MasaADest] = v[PctMasaADest] * v[MasaTotalDest] / 100;
    v[PctMasaBDest] = v[PctMasaADest] == 0 ? 0 : 100 - v[PctMasaADest];
    v[MasaBDest] = v[MasaTotalDest] * v[PctMasaBDest] / 100;
    v[XBDest] = v[PctMasaADest] == 0 ? 0 : 1 - xAd;
    v[MolesADest] = g * v[MasaADest] / mma;
    v[MolesBDest] = g * v[MasaBDest] / mmb;
    v[MolesTotalDest] = v[MolesADest] + v[MolesBDest];

    v[PctMasaTotalDest] = P;
    const double molesTotales = v[MolesTotalDest] + v[MolesTotalResid];
    v[PctMolesTotalDest] = molesTotales == 0 ? 0 : 100 * v[MolesTotalDest] / molesTotales;
    return v;
}

}  // namespace quillon
