#pragma once
// The composition of a binary mixture in its three forms (mole fraction of A,
// mass fraction or percentage of A, masses of A and B) and the moles of a
// mass: the one place for each of these formulas.
//
// Floating-point multiplication is commutative but not associative: 100·x·mma
// and 100·mma·x can differ in the last bit. Every function below keeps the
// evaluation order its callers have always had, so that the stage tables, the
// quantities and the files stay the same to the last bit; do not regroup them.

#include <algorithm>

namespace quillon {

// Below this share of its whole, a part found as the whole less the other
// part has lost more than half its digits to the rounding of the two (a
// mixture almost all A by mass leaves B as 1 − 0.99999...); such a part is
// worked out from its own formula instead. Above it the subtraction is kept,
// so ordinary results stay what they have always been, to the last bit.
inline constexpr double kPerdidaDeCifras = 0x1p-26;

// `total` − `parte`, or `propia()` where that subtraction loses the digits.
template <typename F>
double restoPreciso(double total, double parte, F propia)
{
    const double resto = total - parte;
    return resto >= kPerdidaDeCifras * total ? resto : propia();
}

// Mass of A in `parte` (any amount, in any unit) of a mixture whose mole
// fraction of A is x: parte·x·mma over the mixture's mass per mole of A.
// Evaluated as ((parte·x)·mma) / ((1 − x)·mmb + x·mma).
inline double masaDeAEn(double parte, double x, double mma, double mmb)
{
    return parte * x * mma / ((1 - x) * mmb + x * mma);
}

// Mass fraction of A (0..1). parte = 1 multiplies exactly, so this is
// x·mma / ((1 − x)·mmb + x·mma) bit for bit.
inline double fraccionMasica(double x, double mma, double mmb) { return masaDeAEn(1, x, mma, mmb); }

// Mass percentage of A, as the inputs, the quantities and the distillate
// compute it: (100·x)·mma / ((1 − x)·mmb + x·mma). The two products are
// rounded apart, so near x = 1 the quotient may pass 100 by a rounding: it
// is held at 100.
inline double porcentajeMasico(double x, double mma, double mmb) { return std::min(masaDeAEn(100, x, mma, mmb), 100.0); }

// Mass of B in `parte` of a mixture of mole fractions xA of A and xB of B:
// (parte·xB)·mmb / (xB·mmb + xA·mma). xB is given apart where it is known
// better than 1 − xA (a distillate almost pure A).
inline double masaDeBEn(double parte, double xA, double xB, double mma, double mmb)
{
    return parte * xB * mmb / (xB * mmb + xA * mma);
}

// Mass percentage of A as the stage integration computes it:
// (100·mma)·x / ((1 − x)·mmb + mma·x). The stage tables have always been
// built with this grouping; it differs from porcentajeMasico in the last bit
// for some x, so the two must not be merged.
inline double porcentajeMasicoIntegracion(double x, double mma, double mmb)
{
    return 100 * mma * x / ((1 - x) * mmb + mma * x);
}

// Mole fraction of A of a mixture holding the masses mA and mB (any common
// unit, or percentages): (mA/mma) / (mB/mmb + mA/mma).
inline double fraccionMolar(double mA, double mB, double mma, double mmb)
{
    return (mA / mma) / (mB / mmb + mA / mma);
}

// What is left of `masa` once `destilada` of it is gone: P·M/100 can round
// above M at P = 100, and an empty still holds nothing, not less.
inline double masaQueQueda(double masa, double destilada) { return std::max(masa - destilada, 0.0); }

// Moles in `masa` mass units of a component of molar mass mm, with `gramos`
// grams per mass unit: (gramos·masa)/mm.
inline double moles(double masa, double gramos, double mm) { return gramos * masa / mm; }

}  // namespace quillon
