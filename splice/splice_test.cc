#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Splice, EmptyInputWritesNothing) { EXPECT_EQ(run("splice", ""), (Outcome{"", "", 0})); }

}  // namespace
