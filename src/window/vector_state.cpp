#include "vector_state.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>

namespace hc {

namespace {

__attribute__((target("avx"))) void ZeroUpper() noexcept {
    _mm256_zeroupper();
}

} // namespace

void ResetVectorState() noexcept {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        ZeroUpper();
}

} // namespace hc

#else

namespace hc {

void ResetVectorState() noexcept {}

} // namespace hc

#endif
