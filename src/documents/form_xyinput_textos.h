#pragma once
// The table editor's captions and messages, in both languages.

#include "model/idioma.h"

namespace quillon::textos_xy {

inline constexpr Texto titulo{"VLE: Vapor-Liquid Equilibrium table", "Tabla de equilibrio Líquido-Vapor"};
inline constexpr Texto botonOk{"Ok", "Aceptar"};
inline constexpr Texto botonCancelar{"Cancel", "Cancelar"};
inline constexpr Texto botonBorrar{"Clear", "Borrar"};
inline constexpr Texto botonAbrir{"Open...", "Abrir..."};
inline constexpr Texto botonGuardar{"Save as...", "Guardar como..."};
inline constexpr Texto explicacionX{"X: Mole fraction of most volatile component in liquid phase.",
                                    "X: Fracción molar del componente más volátil en fase líquida."};
inline constexpr Texto explicacionY{"Y: Mole fraction of most volatile component in vapor phase.",
                                    "Y: Fracción molar del componente más volátil en equilibrio en fase vapor."};

// File dialogs.
inline constexpr Texto filtroAbrir{
    "Vapor-liquid equilibrium file (*.vle)|*.vle|Binary distillation file (*.bdf)|*.bdf|All files (*.*)|*.*",
    "Archivo de equilibrio líquido-vapor (*.vle)|*.vle|Archivo de destilación (*.bdf)|*.bdf|"
    "Todos los archivos (*.*)|*.*"};
inline constexpr Texto filtroGuardar{"Vapor-liquid equilibrium file (*.vle)|*.vle|All files (*.*)|*.*",
                                     "Archivo de equilibrio líquido-vapor (*.vle)|*.vle|Todos los archivos (*.*)|*.*"};

// A failed save of a table (the other file texts are the main window's).
inline constexpr Texto noSeGuardo{"ERROR: Unable to save the file:", "ERROR: No se pudo guardar la tabla:"};

// A table whose points are all pure components defines no volatility.
inline constexpr Texto sinPuntoIntermedio{
    "ERROR: Invalid data: the table needs a point with X between 0 and 1",
    "ERROR: Datos no válidos: la tabla necesita un punto con X entre 0 y 1"};

}  // namespace quillon::textos_xy
