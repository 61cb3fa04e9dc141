// The walks of the conversion tests over every double-byte code of a range.
#pragma once

#include <gtest/gtest.h>

namespace qml_test {

// Calls check(lead, trail) for every lead byte of [firstLead, lastLead] and every trail byte of
// [firstTrail, lastTrail], in code order. A fatal failure (an ASSERT) in check ends the walk.
template <class Check>
void ForEachPair(unsigned firstLead, unsigned lastLead, unsigned firstTrail, unsigned lastTrail,
                 Check check) {
    for (unsigned lead = firstLead; lead <= lastLead; ++lead) {
        for (unsigned trail = firstTrail; trail <= lastTrail; ++trail) {
            check(lead, trail);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

}  // namespace qml_test
