#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Subseq, EmptyInputWritesNothing) { EXPECT_EQ(run("subseq", ""), (Outcome{"", "", 0})); }

}  // namespace
