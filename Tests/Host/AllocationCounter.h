#pragma once
// Counts the allocations the current thread makes while one of these lives (the test program
// replaces the global operator new for it).
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    long Count() const;
    // False where allocations cannot be counted (sanitizer builds).
    static bool Works();
};
