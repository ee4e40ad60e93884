#pragma once
// Where the keyboard and the wheel take the table editor: plain functions,
// so that the whole navigation table reads in one place.

namespace quillon::navegacion_xy {

enum class Columna { X, Y };
enum class Tecla { Abajo, Arriba, Izquierda, Derecha, Intro };

// The box the key was pressed in and the view around it.
struct Situacion {
    Columna columna;
    int fila;          // visible row, 0 .. filas - 1
    bool alInicio;     // caret before the first character
    bool alFinal;      // caret after the last character, or the whole text selected
    int scroll;        // the scroll bar's value
    int minimo, maximo;
    int filas;         // visible rows
};

// What the key does: nothing, or scroll by `desplazamiento` rows and then
// put the focus on the box (columna, fila), which may be the same box.
struct Destino {
    bool mover = false;
    Columna columna = Columna::X;
    int fila = 0;
    int desplazamiento = 0;
    bool operator==(const Destino&) const = default;
};

Destino destinoTecla(Tecla tecla, const Situacion& s);

// The scroll value after one wheel message: one small change per message,
// up when the wheel turns away from the user (rotacion > 0), within the
// bar's limits (a bar whose maximum is below its minimum runs backwards).
int valorTrasRueda(int valor, int minimo, int maximo, int paso, int rotacion);

}  // namespace quillon::navegacion_xy
