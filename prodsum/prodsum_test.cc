#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

TEST(Prodsum, EmptyInputWritesNothing) { EXPECT_EQ(run("prodsum", ""), (Outcome{"", "", 0})); }

}  // namespace
