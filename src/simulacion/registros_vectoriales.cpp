#include "simulacion/registros_vectoriales.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace quillon {
namespace {

// Built for AVX alone, and only called where the processor has it.
__attribute__((target("avx"))) void vaciarMitadesAltas() { _mm256_zeroupper(); }

}  // namespace

void soltarRegistrosVectoriales()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) vaciarMitadesAltas();
}

}  // namespace quillon

#else

namespace quillon {
void soltarRegistrosVectoriales() {}
}  // namespace quillon

#endif
