#pragma once
// The processor's wide vector registers, before the stages' arithmetic.
//
// Qt's painting leaves the upper halves of the AVX registers in use on some
// processors (its drawing routines are built for AVX and later). The model's
// arithmetic is built for the base x86-64 set, whose instructions then each
// wait on those upper halves: a table computed after a repaint took half as
// long again as one computed after another table, the very same numbers.
// Clearing the upper halves before a computation removes that wait; it
// changes no number.

namespace quillon {

// Clears the upper halves where the processor has AVX; nothing elsewhere.
void soltarRegistrosVectoriales();

}  // namespace quillon
