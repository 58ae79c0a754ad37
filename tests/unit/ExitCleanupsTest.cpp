#include <gtest/gtest.h>

#include <string>

#include "ExitCleanups.h"

namespace {

std::string ran;
void first() { ran += "1"; }
void second() { ran += "2"; }

TEST(ExitCleanups, RunEachRoutineOnceInRegistrationOrder) {
    ran.clear();
    registerExitCleanup(second);
    registerExitCleanup(first);
    registerExitCleanup(second);  // already there: not added again
    runExitCleanups();
    EXPECT_EQ(ran, "21");

    runExitCleanups();  // the list was emptied
    EXPECT_EQ(ran, "21");
}

}  // namespace
