#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Swapcount, EmptyInputWritesNothing) { EXPECT_EQ(run("swapcount", ""), (Outcome{"", "", 0})); }

}  // namespace
