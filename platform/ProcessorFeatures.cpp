#include "ProcessorFeatures.h"

namespace skyvane {

bool processorHasAvx2()
{
#ifdef SKYVANE_AVX2
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

} // namespace skyvane
