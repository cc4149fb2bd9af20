#ifndef WQ_TESTS_BASE_ALLOCATIONFAILURE_H
#define WQ_TESTS_BASE_ALLOCATIONFAILURE_H

#include <gtest/gtest.h>

#include "base/WQMemory.h"

// Library allocations fail after `successes` more have succeeded, for the
// life of this object.
class FailingAllocations {
public:
    explicit FailingAllocations(long successes) { WQSDK::memFailAfter(successes); }
    ~FailingAllocations() { WQSDK::memFailNever(); }
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};

// Runs attempt(successes) for successes = 0, 1, 2, ... until it reports
// that the operation completed; each attempt sets up its own fixture, runs
// the operation inside a FailingAllocations scope and checks the outcome
// (complete, or everything unchanged). Returns how many attempts failed
// before the first complete one.
template <class Attempt>
long failedAttemptsBeforeSuccess(Attempt attempt)
{
    for (long successes = 0; successes < 64; ++successes) {
        if (attempt(successes))
            return successes;
        if (::testing::Test::HasFailure())
            return -1;
    }
    ADD_FAILURE() << "the operation never completed";
    return -1;
}

#endif
