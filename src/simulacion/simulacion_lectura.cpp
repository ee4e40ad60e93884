// The inputs as each view reads them, and what the views get: the stills,
// the progress graph's stage, the table text and the equilibrium of the
// diagram.

#include "model/cortes.h"
#include "model/mensajes.h"
#include "simulacion/registros_vectoriales.h"
#include "simulacion/simulacion.h"

namespace quillon {

double Simulacion::leer(Entrada e) { return LeerNumero(textoDe(e), numero_); }

double Simulacion::leerCorte(int k)
{
    if (k < 1 || k > kMaxEtapas) return VALOR_NO_VALIDO;
    return quillon::leerCorte(doc_.avance[static_cast<std::size_t>(k - 1)], numero_);
}

Entradas Simulacion::leerEntradas(bool vista)
{
    // Every view reads the molar masses, the initial mass and x0 in this
    // order; the table and the graph then alpha (alpha mode).
    Entradas e;
    e.mma = leer(Entrada::MMA);
    e.mmb = leer(Entrada::MMB);
    e.m0 = leer(Entrada::Masa0);
    e.x0 = leer(Entrada::X0);
    // The mass percentage is checked, not read: it changes no separator. A
    // box holding a bad percentage left x0 as its last good value was.
    EstadoNumerico aparte;
    e.p0a = LeerNumero(p0a_, aparte);
    if (vista && !doc_.modoTabla) e.alfa = leer(Entrada::Alfa);
    e.modoTabla = doc_.modoTabla;
    e.unidad = doc_.unidad;
    e.numEtapas = doc_.numEtapas;
    if (fraccionMolarValida(e.x0)) cadena_->fijarCargaInicial(e.x0);
    return e;
}

std::array<double, kMaxEtapas> Simulacion::leerCortes(int hasta)
{
    std::array<double, kMaxEtapas> c{};
    for (int k = 1; k <= hasta && k <= kMaxEtapas; ++k) c[static_cast<std::size_t>(k - 1)] = leerCorte(k);
    return c;
}

bool Simulacion::asegurar(int k, const Entradas& e, int fila)
{
    // A table begun is continued with what it was begun with.
    if (cadena_->continuar(k, fila)) return true;
    // The computation of a stage reads alpha (alpha mode), the molar masses
    // and, for stage 1, x0 once more.
    Entradas leidas = e;
    if (!doc_.modoTabla) leidas.alfa = leer(Entrada::Alfa);
    leer(Entrada::MMA);
    leer(Entrada::MMB);
    if (k == 1) leer(Entrada::X0);
    soltarRegistrosVectoriales();
    return cadena_->asegurarHasta(k, fila, modelo(leidas.alfa), leidas.mma, leidas.mmb);
}

int Simulacion::filaDelAlambique(double corte) const
{
    return calefaccion().calefaccion ? kPasosAvance : filaDeCorte(corte);
}

bool Simulacion::alambiqueCalculado(int k)
{
    // The cut read apart: asking changes no separator.
    EstadoNumerico aparte = numero_;
    const double corte = k < 1 || k > kMaxEtapas ? 0 : quillon::leerCorte(doc_.avance[static_cast<std::size_t>(k - 1)], aparte);
    return cadena_->calculadaHasta(k, filaDelAlambique(corte));
}

EstadoEtapa Simulacion::etapa(int k)
{
    EstadoEtapa r;
    if (enBlanco()) {
        r.error = &mensajes::ninguno;
        return r;
    }
    const Entradas e = leerEntradas(false);
    if ((r.error = validarEntradas(e, false, false))) return r;
    const auto cortes = leerCortes(k);
    if ((r.error = corteNoValido(cortes, k))) return r;
    const int fila = filaDelAlambique(cortes[static_cast<std::size_t>(k - 1)]);
    if (const Texto* columna = asegurarConColumna(k, e, fila); columna || !cadena_->calculadaHasta(k, fila)) {
        r.error = columna ? columna : &mensajes::valoresIniciales;
        if (const RechazoColumna* rechazo = cadena_->rechazo(k)) r.rechazo = *rechazo;
        return r;
    }
    return calcularEtapa(*cadena_, modelo(0), e, cortes, k);
}

EtapaParaVista Simulacion::etapaParaGrafico(int k)
{
    EtapaParaVista v;
    if (enBlanco()) {
        v.error = &mensajes::ninguno;
        return v;
    }
    const Entradas e = leerEntradas(true);
    // The graph wants a charge to draw: its initial mass must be above 0.
    if ((v.error = validarEntradas(e, true, true))) return v;
    const auto cortes = leerCortes(k - 1);
    if ((v.error = corteNoValido(cortes, k - 1))) return v;
    if ((v.error = asegurarConColumna(k, e)) || !calculada(k)) return v;
    v.calculada = true;
    modeloVista_ = modelo(e.alfa);
    v.evaluable = etapaEvaluable(*cadena_, modeloVista_, e, cortes, k);
    return v;
}

ResultadoTabla Simulacion::tablaTexto(PeticionTabla p)
{
    ResultadoTabla r;
    if (enBlanco()) {
        r.error = &mensajes::ninguno;
        return r;
    }
    const Entradas e = leerEntradas(true);
    if ((r.error = validarEntradas(e, false, true))) return r;
    const auto cortes = leerCortes(p.etapa - 1);
    if ((r.error = corteNoValido(cortes, p.etapa - 1))) return r;
    if ((r.error = asegurarConColumna(p.etapa, e)) || !calculada(p.etapa)) return r;
    // The numbers are written with the separator of the last number read.
    p.sep = numero_.sepDecimal;
    if (const Texto* error = calefaccion().error) {
        r.error = error;
        return r;
    }
    return CrearTablaTexto(*cadena_, modelo(e.alfa), e, cortes, p, {sistemaTermico(), textoSistemaTermico()}, calorTabla());
}

const termo::Sistema* Simulacion::sistemaTermico()
{
    if (!sistemaTermicoAlDia_) {
        auto s = sistemaDeTemperaturas(doc_.compA, doc_.compB, doc_.condiciones);
        sistemaTermico_.reset();
        motivoSinSistemaTermico_.clear();
        if (auto* sistema = std::get_if<termo::Sistema>(&s)) sistemaTermico_ = std::move(*sistema);
        else motivoSinSistemaTermico_ = std::get<std::string>(s);
        sistemaTermicoAlDia_ = true;
    }
    return sistemaTermico_ ? &*sistemaTermico_ : nullptr;
}

std::string Simulacion::motivoSinSistemaTermico()
{
    sistemaTermico();
    return motivoSinSistemaTermico_;
}

std::string Simulacion::textoSistemaTermico()
{
    const termo::Sistema* s = sistemaTermico();
    return s ? textoModelo(*s, doc_.condiciones) : std::string();
}

bool Simulacion::equilibrioParaDiagrama(ModeloELV& elv, const Texto*& error)
{
    error = nullptr;
    if (doc_.modoTabla) {
        elv = modelo(0);
        return true;
    }
    const double alfa = leer(Entrada::Alfa);
    elv = modelo(alfa);
    if (volatilidadValida(alfa)) return true;
    error = enBlanco() ? &mensajes::ninguno : &mensajes::volatilidad;
    return false;
}

}  // namespace quillon
