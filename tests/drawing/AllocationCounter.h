#pragma once
// Counts every heap call of the program (operator new and delete in all forms, malloc,
// calloc, realloc, the aligned allocators and free) while a region is measured.
// Linking AllocationCounter.cpp replaces those functions for the whole binary.

namespace skyvane::test {

struct HeapCalls {
    long allocations = 0;
    long releases = 0;
};

// Starts counting from zero; stopMeasuring returns what happened since, on any thread.
void startMeasuring();
HeapCalls stopMeasuring();

} // namespace skyvane::test
