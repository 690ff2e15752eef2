// Each program against its plain version (bench/plain/), on generated
// inputs that keep to the programs' input contracts: on such input the
// plain version is an independent reference, and the answers must agree
// byte for byte. Each shape is tried with two seeds: the first varies the
// whitespace between items, the second puts one instance on each line.

#include <string>
#include <string_view>

#include "bench/gen.h"
#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

using testing_run::Outcome;
using testing_run::run;

struct Sample {
  const char* shape;
  size_t bytes;
};

// Where two outputs first differ, or "" when they are the same.
std::string first_difference(const std::string& got, const std::string& want) {
  if (got == want) return "";
  size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  size_t line_start = want.rfind('\n', at == 0 ? 0 : at - 1);
  line_start = line_start == std::string::npos || at == 0 ? 0 : line_start + 1;
  size_t line = 1;
  for (size_t i = 0; i < line_start; ++i) line += want[i] == '\n';
  auto rest = [&](const std::string& s) {
    return s.substr(line_start, s.find('\n', at) - line_start);
  };
  return "line " + std::to_string(line) + ": got \"" + rest(got) + "\", want \"" + rest(want) +
         "\" (" + std::to_string(got.size()) + " bytes against " + std::to_string(want.size()) +
         ")";
}

void expect_same_as_plain(const std::string& program, std::initializer_list<Sample> samples) {
  for (const Sample& sample : samples) {
    for (int seed = 1; seed <= 2; ++seed) {
      SCOPED_TRACE(program + " " + sample.shape + " seed " + std::to_string(seed));
      bench::Generated input =
          bench::generate(program, sample.shape, sample.bytes, seed, seed % 2 == 1);
      ASSERT_GT(input.instances, 0);
      Outcome want = run("../bench/plain_" + program, input.text);
      ASSERT_EQ(want.status, 0);
      ASSERT_FALSE(want.out.empty());
      Outcome got = run(program, input.text);
      EXPECT_EQ(got.err, "");
      EXPECT_EQ(got.status, 0);
      EXPECT_EQ(first_difference(got.out, want.out), "");
    }
  }
}

TEST(SameAsPlainVersion, Barter) {
  expect_same_as_plain("barter", {{"typical", 40000}});
}

TEST(SameAsPlainVersion, Cubesum) {
  expect_same_as_plain("cubesum", {{"typical", 40000}});
}

TEST(SameAsPlainVersion, Arrangements) {
  expect_same_as_plain("arrangements", {{"typical", 40000}, {"long", 40000}});
}

TEST(SameAsPlainVersion, Splice) {
  expect_same_as_plain("splice", {{"typical", 60000}});
}

TEST(SameAsPlainVersion, Swapcount) {
  expect_same_as_plain("swapcount",
                       {{"typical", 60000}, {"len1012", 40000}, {"reversed1012", 40000}});
}

TEST(SameAsPlainVersion, Aboveavg) {
  expect_same_as_plain("aboveavg", {{"typical", 60000}, {"fullrange", 80000}});
}

TEST(SameAsPlainVersion, Subseq) {
  // One pair of words near 999,999 bytes each.
  expect_same_as_plain("subseq", {{"typical", 60000}, {"long", 1}});
}

TEST(SameAsPlainVersion, Prodsum) {
  expect_same_as_plain("prodsum", {{"typical", 60000}});
}

}  // namespace
