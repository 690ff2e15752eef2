#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Arrangements, EmptyInputWritesNothing) { EXPECT_EQ(run("arrangements", ""), (Outcome{"", "", 0})); }

}  // namespace
