// The heating of the still: its box and unit, and the time and heat of each
// stage the views read from it.

#include "simulacion/registros_vectoriales.h"
#include "simulacion/simulacion.h"

namespace quillon {

void Simulacion::editarCalefaccion(const QString& valor)
{
    TextosCalefaccion t = textosCalefaccion();
    t.valor = valor.toStdString();
    doc_.calefaccion = t;
    modificar();
    anunciar({Cambios::Calefaccion});
    // The box's message, as the other boxes give theirs; the stills follow.
    if (const Texto* error = calefaccion().error) return avisar(*error);
    pedirRefresco();
}

void Simulacion::elegirUnidadCalefaccion(int unidad)
{
    TextosCalefaccion t = textosCalefaccion();
    if (t.unidad == unidad) return;
    t.unidad = unidad;
    doc_.calefaccion = t;
    modificar();
    anunciar({Cambios::Calefaccion});
    pedirRefresco();
}

bool Simulacion::ofrecerCalor() { return ofrecerTiempo() && sistemaTermico() != nullptr; }

const Texto* Simulacion::errorDeReloj(int k, const ModeloELV& elv, const AcumuladoCalor*& a)
{
    a = nullptr;
    const LecturaCalefaccion l = calefaccion();
    calefaccionVista_ = l.calefaccion;
    if (l.error) return l.error;
    if (!l.calefaccion) return nullptr;
    const termo::Sistema* s = sistemaTermico();
    if (l.calefaccion->potencia && !s) return &mensajes::potenciaSinCalorLatente;
    // Read apart, as the stage was computed with it: the stills set no
    // separator by their clocks.
    EstadoNumerico aparte;
    soltarRegistrosVectoriales();
    a = &reloj_->acumulado(*cadena_, k, elv, LeerNumero(doc_.mma, aparte), LeerNumero(doc_.mmb, aparte), s);
    if (l.calefaccion->potencia && a->sobreCritica) {
        a = nullptr;
        return &mensajes::sobreCritica;
    }
    return nullptr;
}

Simulacion::RelojAlambique Simulacion::relojAlambique(int k, const EstadoEtapa& r)
{
    RelojAlambique reloj;
    if (r.error || !cadena_->calculadaHasta(k, filaDeCorte(r.avance))) return reloj;
    EstadoNumerico aparte;
    const AcumuladoCalor* a = nullptr;
    if ((reloj.error = errorDeReloj(k, modelo(LeerNumero(doc_.alfa, aparte)), a)) || !a) return reloj;
    const double gramos = r.masaCarga * unidadesMasa()[static_cast<std::size_t>(doc_.unidad)].gramos;
    const auto t = tiempoCalorEnFila(*a, *calefaccionVista_, gramos, filaDeCorte(r.avance));
    if (t) reloj.minutos = t->minutos;
    else reloj.error = &mensajes::calefaccion;
    return reloj;
}

CalorTabla Simulacion::calorTabla()
{
    calefaccionVista_ = calefaccion().calefaccion;
    return {calefaccionVista_ ? &*calefaccionVista_ : nullptr, reloj_.get(), sistemaTermico()};
}

const AcumuladoCalor* Simulacion::acumuladoParaGrafico(int k, const Texto*& error)
{
    const AcumuladoCalor* a = nullptr;
    error = errorDeReloj(k, modeloVista_, a);
    return a;
}

}  // namespace quillon
