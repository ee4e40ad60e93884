// The column of plates above every still: its boxes as typed, the policy,
// and the column put in force for the stages when a view reads it.

#include "model/columna_platos.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

std::string& textoDeCaja(TextosColumnaPlatos& t, CajaColumna c)
{
    switch (c) {
    case CajaColumna::Platos: return t.platos;
    case CajaColumna::Reflujo: return t.reflujo;
    case CajaColumna::Pureza: return t.pureza;
    case CajaColumna::ReflujoMaximo: break;
    }
    return t.reflujoMaximo;
}

}  // namespace

QString Simulacion::textoColumna(CajaColumna c) const
{
    return QString::fromStdString(textoDeCaja(const_cast<TextosColumnaPlatos&>(columna_), c));
}

void Simulacion::editarColumna(CajaColumna c, const QString& texto)
{
    textoDeCaja(columna_, c) = texto.toStdString();
    modificar();
    anunciar({Cambios::Columna});
    pedirRefresco();
}

void Simulacion::elegirPolitica(PoliticaReflujo p)
{
    if (columna_.politica == p) return;
    columna_.politica = p;
    modificar();
    anunciar({Cambios::Columna});
    pedirRefresco();
}

bool Simulacion::hayColumna() const { return leerColumnaPlatos(columna_).columna.hay(); }

const Texto* Simulacion::leerColumna()
{
    const LecturaColumnaPlatos l = leerColumnaPlatos(columna_);
    // Another column clears every stage; the same one keeps them.
    if (!l.error) cadena_->fijarColumna(l.columna);
    return l.error;
}

const Texto* Simulacion::asegurarConColumna(int k, const Entradas& e, int fila)
{
    if (const Texto* error = leerColumna()) return error;
    // A stage the column refused distilled nothing: the stages after it
    // have no charge, and its refusal is their message.
    for (int j = 1; j < k && j <= kMaxEtapas; ++j)
        if (const RechazoColumna* r = cadena_->rechazo(j)) return r->mensaje;
    if (asegurar(k, e, fila)) return nullptr;
    const RechazoColumna* r = cadena_->rechazo(k);
    return r ? r->mensaje : nullptr;
}

QString Simulacion::mensajeDe(const Texto* error, int k) const
{
    if (!error) return {};
    // The refusal of stage k, or of the earlier stage that left it no charge.
    for (int j = 1; j <= k && j <= kMaxEtapas; ++j)
        if (const RechazoColumna* r = cadena_->rechazo(j); r && r->mensaje == error)
            return QString::fromStdString(textoRechazo(*r, numero_.sepDecimal));
    return QString::fromUtf8(quillon::tr(*error));
}

std::optional<Simulacion::Cabeza> Simulacion::cabezaEnCorte(int k, double P) const
{
    if (!cadena_->columnaPlatos().hay() || k < 1 || k > kMaxEtapas) return std::nullopt;
    const int fila = filaDeCorte(P);
    if (!cadena_->calculadaHasta(k, fila)) return std::nullopt;
    const CabezaColumna c = cadena_->cabezaEnFila(k, fila);
    return Cabeza{c.R, c.xD};
}

}  // namespace quillon
