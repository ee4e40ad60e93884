// What each edit does: the rules of the input boxes, the options, the cuts,
// the table and the slider cursors.

#include "model/compuestos.h"
#include "model/formato.h"
#include "model/mensajes.h"
#include "simulacion/simulacion.h"

namespace quillon {
namespace {

std::string formato(double v, char sep) { return FormatoNumero(v, 5, sep); }

}  // namespace

void Simulacion::editar(Entrada e, const QString& texto)
{
    textoDe(e) = texto.toStdString();
    // Whatever the box now holds is what a save would write. An edit of a
    // composition leaves the mass percentage behind until its rule writes one
    // from the other.
    if (e == Entrada::X0 || e == Entrada::P0A) p0aAlDia_ = false;
    modificar();
    switch (e) {
    case Entrada::CompA: return editarNombre(Entrada::CompA, Entrada::MMA);
    case Entrada::CompB: return editarNombre(Entrada::CompB, Entrada::MMB);
    case Entrada::MMA:
    case Entrada::MMB: return editarMasaMolar();
    case Entrada::X0: return editarX0();
    case Entrada::P0A: return editarP0A();
    case Entrada::Alfa:
        reajustarCursores();
        cambiarEquilibrio();
        invalidar();
        return pedirRefresco();
    case Entrada::Masa0: return pedirRefresco();  // the stage tables do not depend on the mass
    }
}

void Simulacion::escribirComoTecleado(Entrada e, const QString& texto)
{
    editar(e, texto);
    emit textoReescrito(e);
}

void Simulacion::editarNombre(Entrada nombre, Entrada masa)
{
    if (const auto c = BuscarCompuesto(textoDe(nombre))) {
        // Written as typing would write it: the molar mass's own rules run.
        escribir(masa, std::string(c->textoMasa));
        editarMasaMolar();
    }
    cambiarEquilibrio();
    pedirRefresco();
}

void Simulacion::editarMasaMolar()
{
    invalidar();
    p0aAlDia_ = false;  // until the mass percentage is written again
    const double mma = leer(Entrada::MMA), mmb = leer(Entrada::MMB), x0 = leer(Entrada::X0);
    // Only a valid set rewrites the mass percentage; the edit itself says
    // nothing. The refresh runs in any case, so the stills never go on
    // showing the result of a molar mass that is no longer in the box.
    if (masasMolaresValidas(mma, mmb) && fraccionMolarValida(x0))
        escribir(Entrada::P0A, formato(porcentajeMasicoDeFraccion(x0, mma, mmb), numero_.sepDecimal));
    pedirRefresco();
}

void Simulacion::editarX0()
{
    invalidar();
    reajustarCursores();
    const double mma = leer(Entrada::MMA), mmb = leer(Entrada::MMB), x0 = leer(Entrada::X0);
    if (!masasMolaresValidas(mma, mmb)) return avisar(mensajes::masaMolar);
    if (!fraccionMolarValida(x0)) return avisar(mensajes::fraccionMolarA);
    escribir(Entrada::P0A, formato(porcentajeMasicoDeFraccion(x0, mma, mmb), numero_.sepDecimal));
    pedirRefresco();
}

void Simulacion::editarP0A()
{
    invalidar();
    const double mma = leer(Entrada::MMA), mmb = leer(Entrada::MMB), p0a = leer(Entrada::P0A);
    if (!masasMolaresValidas(mma, mmb)) return avisar(mensajes::masaMolar);
    if (!porcentajeMasicoValido(p0a)) return avisar(mensajes::porcentajeMasico);
    escribir(Entrada::X0, formato(fraccionDePorcentajeMasico(p0a, mma, mmb), numero_.sepDecimal));
    p0aAlDia_ = true;
    reajustarCursores();
    pedirRefresco();
}

void Simulacion::reajustarCursores()
{
    const double x0 = leer(Entrada::X0), alfa = leer(Entrada::Alfa);
    emit cursoresCambiados(std::clamp(x0, 0.0, 1.0), std::max(alfa, 1.01));
}

void Simulacion::arrastrarX0(double x0)
{
    escribir(Entrada::X0, formato(x0, numero_.sepDecimal));
    const double mma = leer(Entrada::MMA), mmb = leer(Entrada::MMB);
    if (masasMolaresValidas(mma, mmb))
        escribir(Entrada::P0A, formato(100 * mma * x0 / (mma * x0 + mmb * (1 - x0)), numero_.sepDecimal));
    invalidar();
    pedirRefresco();
    modificar();
}

void Simulacion::arrastrarAlfa(double alfa)
{
    escribir(Entrada::Alfa, formato(alfa, numero_.sepDecimal));
    cambiarEquilibrio();
    invalidar();
    pedirRefresco();
    modificar();
}

void Simulacion::elegirUnidad(int unidad)
{
    doc_.unidad = std::clamp(unidad, 0, static_cast<int>(unidadesMasa().size()) - 1);
    modificar();
    anunciar({Cambios::Unidad});
}

void Simulacion::elegirNumEtapas(int k)
{
    doc_.numEtapas = std::clamp(k, 1, kMaxEtapas);
    cadena_->invalidar();
    modificar();
    anunciar({Cambios::NumEtapas});
}

void Simulacion::editarCorte(int k, const QString& texto, bool final)
{
    if (k < 1 || k > kMaxEtapas) return;
    doc_.avance[static_cast<std::size_t>(k - 1)] = texto.toStdString();
    // While a thumb is dragged only its stage follows; then the stages after
    // it, whose charge it cuts.
    anunciar({Cambios::Cortes, k, final});
    if (!final) return;
    // The cut of stage k is the charge of stage k+1: every later table is stale.
    cargasCambiadasDesde(k + 1);
    modificar();
}

void Simulacion::elegirVolatilidad()
{
    cadena_->invalidar();
    if (doc_.modoTabla) modificar();
    fijarModoTabla(false);
    cambiarEquilibrio();
    anunciar({Cambios::Fuente});
}

void Simulacion::elegirTabla()
{
    cadena_->invalidar();
    // Only a table with a point between the pure components can be used;
    // otherwise the volatility stays in force.
    if (doc_.tabla.ultPunto > 0 && tablaUtilizable(doc_.tabla)) {
        if (!doc_.modoTabla) modificar();
        fijarTablaELV(doc_.tabla);
        fijarModoTabla(true);
    }
    cambiarEquilibrio();
    anunciar({Cambios::Fuente});
}

void Simulacion::aceptarTabla(const TablaELV& tabla)
{
    fijarTablaELV(tabla);
    fijarModoTabla(true);
    // The stills must follow the new table, not the old one.
    cadena_->invalidar();
    modificar();
    cambiarEquilibrio();
    pedirRefresco();
}

void Simulacion::fijarCondiciones(const CondicionesTermo& c)
{
    if (doc_.condiciones == c) return;
    doc_.condiciones = c;
    modificar();
    cambiarEquilibrio();
    pedirRefresco();
}

void Simulacion::perderTabla()
{
    if (doc_.modoTabla) modificar();
    fijarModoTabla(false);
    cadena_->invalidar();
    cambiarEquilibrio();
}

}  // namespace quillon
