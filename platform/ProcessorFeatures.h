#pragma once
// What the processor offers beyond the x86-64 baseline, for the drawing kernels.

// On x86-64 the hot loops also come built for AVX2: clones are chosen by the loader, the
// hand-written kernels by processorHasAvx2(). SKYVANE_BASELINE_ONLY builds the baseline kernels
// alone, so that a test run can check them.
#if defined(__x86_64__) && defined(__ELF__) && !defined(SKYVANE_BASELINE_ONLY)
#define SKYVANE_AVX2 1
#define SKYVANE_AVX2_CLONES [[gnu::target_clones("avx2", "default")]]
#else
#define SKYVANE_AVX2_CLONES
#endif

namespace skyvane {

// Whether the AVX2 kernels may run here: built in, and the processor has AVX2.
bool processorHasAvx2();

} // namespace skyvane
