#pragma once
// Counts every heap call of the program (malloc, calloc, realloc, the aligned allocators and
// free, and so operator new and delete, which call them) while a region is measured.
// Linking AllocationCounter.cpp replaces those functions for the whole binary.

namespace skyvane::doubles {

struct HeapCalls {
    long allocations = 0;
    long releases = 0;
};

// Starts counting from zero; stopMeasuring returns what happened since, on any thread.
void startMeasuring();
HeapCalls stopMeasuring();

} // namespace skyvane::doubles
