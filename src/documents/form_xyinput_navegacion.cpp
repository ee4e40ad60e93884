#include "documents/form_xyinput_navegacion.h"

#include <algorithm>

namespace quillon::navegacion_xy {
namespace {

Destino ir(Columna c, int fila, int desplazamiento = 0) { return {true, c, fila, desplazamiento}; }

// Scrolls one row down keeping the focus on (c, fila), when the view can.
Destino bajarVista(const Situacion& s, Columna c, int fila)
{
    return s.scroll < s.maximo ? ir(c, fila, +1) : Destino{};
}

Destino subirVista(const Situacion& s, Columna c, int fila)
{
    return s.scroll > s.minimo ? ir(c, fila, -1) : Destino{};
}

// The caret moves in reading order: X, Y, next X, ...
Destino enCajaX(Tecla tecla, const Situacion& s)
{
    const int k = s.fila;
    const int ultima = s.filas - 1;
    switch (tecla) {
    case Tecla::Abajo: return k < ultima ? ir(Columna::X, k + 1) : bajarVista(s, Columna::X, k);
    case Tecla::Arriba: return k > 0 ? ir(Columna::X, k - 1) : subirVista(s, Columna::X, k);
    case Tecla::Izquierda:
        // In the top row the caret position is not looked at.
        if (k == 0) return subirVista(s, Columna::Y, 0);
        return s.alInicio ? ir(Columna::Y, k - 1) : Destino{};
    case Tecla::Derecha: return s.alFinal ? ir(Columna::Y, k) : Destino{};
    case Tecla::Intro: return ir(Columna::Y, k);
    }
    return {};
}

Destino enCajaY(Tecla tecla, const Situacion& s)
{
    const int k = s.fila;
    const int ultima = s.filas - 1;
    switch (tecla) {
    case Tecla::Abajo: return k < ultima ? ir(Columna::Y, k + 1) : bajarVista(s, Columna::Y, k);
    case Tecla::Arriba: return k > 0 ? ir(Columna::Y, k - 1) : subirVista(s, Columna::Y, k);
    case Tecla::Izquierda: return s.alInicio ? ir(Columna::X, k) : Destino{};
    case Tecla::Derecha:
        if (!s.alFinal) return {};
        return k < ultima ? ir(Columna::X, k + 1) : bajarVista(s, Columna::X, k);
    case Tecla::Intro: return k < ultima ? ir(Columna::X, k + 1) : bajarVista(s, Columna::X, k);
    }
    return {};
}

}  // namespace

Destino destinoTecla(Tecla tecla, const Situacion& s)
{
    return s.columna == Columna::X ? enCajaX(tecla, s) : enCajaY(tecla, s);
}

int valorTrasRueda(int valor, int minimo, int maximo, int paso, int rotacion)
{
    const int direccion = maximo >= minimo ? 1 : -1;
    const int bajo = std::min(minimo, maximo);
    const int alto = std::max(minimo, maximo);
    const int nuevo = rotacion > 0 ? valor - paso * direccion : valor + paso * direccion;
    return std::clamp(nuevo, bajo, alto);
}

}  // namespace quillon::navegacion_xy
