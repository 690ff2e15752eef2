#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Aboveavg, EmptyInputWritesNothing) { EXPECT_EQ(run("aboveavg", ""), (Outcome{"", "", 0})); }

}  // namespace
