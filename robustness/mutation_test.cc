// Every program on a few hundred broken variants of valid inputs: each run
// must end promptly, either answering (status 0, nothing on standard error)
// or refusing (status 1, one line on standard error naming the program).
// Never a signal, a hang or a sanitizer report. The variants come from a
// fixed generator, so a failure repeats on every run.

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "testing/run.h"

namespace {

namespace fs = std::filesystem;
using testing_run::Outcome;
using testing_run::run;

constexpr int kMutantsPerProgram = 300;
constexpr int kTimeoutMs = 5000;

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The files of a directory in name order, or none if it does not exist.
std::vector<std::string> files_in(const fs::path& dir) {
  std::vector<fs::path> paths;
  if (fs::is_directory(dir)) {
    for (const auto& entry : fs::directory_iterator(dir)) paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> contents;
  for (const auto& path : paths) contents.push_back(read_file(path));
  return contents;
}

// Valid inputs: the program's example and its seeds.
std::vector<std::string> seeds(const std::string& program) {
  std::vector<std::string> all = files_in(fs::path(SOURCE_DIR) / "robustness/seeds" / program);
  fs::path example = fs::path(SOURCE_DIR) / "examples" / (program + ".txt");
  if (fs::exists(example)) all.push_back(read_file(example));
  return all;
}

// Inputs that once broke a program, kept so that they never do again.
std::vector<std::string> regressions(const std::string& program) {
  return files_in(fs::path(SOURCE_DIR) / "robustness/regressions" / program);
}

// The input as a C string literal, cut short if long.
std::string shown(const std::string& input) {
  std::ostringstream os;
  os << '"';
  size_t n = std::min<size_t>(input.size(), 300);
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = input[i];
    if (c == '\n') {
      os << "\\n";
    } else if (c == '"' || c == '\\') {
      os << '\\' << c;
    } else if (c >= 32 && c < 127) {
      os << c;
    } else {  // three octal digits, which end the escape by themselves
      os << '\\' << char('0' + (c >> 6)) << char('0' + ((c >> 3) & 7)) << char('0' + (c & 7));
    }
  }
  os << '"';
  if (n < input.size()) os << "... (" << input.size() << " bytes)";
  return os.str();
}

// Whether the outcome is one of the two endings a program may have.
testing::AssertionResult answers_or_refuses(const std::string& program, const Outcome& o) {
  if (o.status == 0 && o.err.empty()) return testing::AssertionSuccess();
  bool one_line = !o.err.empty() && o.err.find('\n') == o.err.size() - 1;
  if (o.status == 1 && one_line && o.err.starts_with(program + ": ")) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "status " << o.status << ", stderr " << shown(o.err);
}

// Broken variants of valid inputs, from a fixed seed.
class Mutator {
 public:
  explicit Mutator(uint64_t seed) : state_(seed) {}

  std::string mutate(std::string input) {
    int rounds = 1 + below(3);
    for (int i = 0; i < rounds; ++i) mutate_once(input);
    return input;
  }

 private:
  // splitmix64: the same numbers on every platform.
  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
  }
  size_t below(size_t n) { return n == 0 ? 0 : next() % n; }
  template <class T, size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(N)];
  }

  void mutate_once(std::string& s) {
    size_t at = below(s.size() + 1);
    switch (below(10)) {
      case 0:  // any byte inserted
        s.insert(at, 1, static_cast<char>(below(256)));
        break;
      case 1: {  // a byte that means something to one of the programs
        static const char kBytes[] = " \t\n\r\v\f<>.-+0123456789aZ\x7f";
        std::string byte = below(8) == 0 ? std::string(1, '\0') : std::string(1, pick(kBytes));
        s.insert(at, byte);
        break;
      }
      case 2:  // a few bytes deleted
        s.erase(at, 1 + below(8));
        break;
      case 3:  // cut short
        s.resize(at);
        break;
      case 4:
        replace_number(s);
        break;
      case 5:
        remove_marker(s);
        break;
      case 6: {  // a slice repeated
        size_t from = below(s.size() + 1);
        std::string slice = s.substr(from, 1 + below(64));
        s.insert(at, slice);
        break;
      }
      case 7: {  // a long word, around the lengths that matter
        static const size_t kLengths[] = {31, 32, 111, 112, 127, 128, 4096, 70000};
        size_t length = below(40) == 0 ? 999999 + below(2) : pick(kLengths);
        s.insert(at, std::string(1, ' ') + std::string(length, "ab<>.9"[below(6)]) + ' ');
        break;
      }
      case 8: {  // a line repeated or dropped
        size_t start = s.rfind('\n', at == 0 ? 0 : at - 1);
        start = start == std::string::npos ? 0 : start + 1;
        size_t end = s.find('\n', start);
        end = end == std::string::npos ? s.size() : end + 1;
        if (below(2)) {
          s.insert(start, s.substr(start, end - start));
        } else {
          s.erase(start, end - start);
        }
        break;
      }
      case 9:  // one byte changed
        if (at < s.size()) s[at] = static_cast<char>(below(256));
        break;
    }
  }

  // A number replaced by one that is huge, negative or not a number.
  void replace_number(std::string& s) {
    std::vector<std::pair<size_t, size_t>> numbers;
    for (size_t i = 0; i < s.size();) {
      size_t start = i;
      if ((s[i] == '-' || s[i] == '+') && i + 1 < s.size() && isdigit_(s[i + 1])) ++i;
      if (!isdigit_(s[i])) {
        i = start + 1;
        continue;
      }
      while (i < s.size() && isdigit_(s[i])) ++i;
      numbers.emplace_back(start, i - start);
    }
    if (numbers.empty()) return;
    static const char* const kReplacements[] = {"0",
                                                "-1",
                                                "1",
                                                "1012",
                                                "1013",
                                                "2147483647",
                                                "-2147483648",
                                                "2147483648",
                                                "-2147483649",
                                                "99999999999999999999",
                                                "18446744073709551616",
                                                "-9223372036854775809",
                                                "x",
                                                "-",
                                                "+",
                                                "- 5",
                                                "1.5",
                                                "0x10",
                                                "",
                                                "1e3",
                                                "00000000000000000000000000000000000001",
                                                "+-1",
                                                "1000000",
                                                "46341"};
    auto [start, length] = numbers[below(numbers.size())];
    s.replace(start, length, pick(kReplacements));
  }

  // One marker, one dot, or every one of a kind, removed.
  void remove_marker(std::string& s) {
    char marker = "<>."[below(3)];
    if (below(4) == 0) {
      std::erase(s, marker);
      return;
    }
    std::vector<size_t> places;
    for (size_t i = 0; i < s.size(); ++i) {
      if (s[i] == marker) places.push_back(i);
    }
    if (!places.empty()) s.erase(places[below(places.size())], 1);
  }

  static bool isdigit_(char c) { return c >= '0' && c <= '9'; }

  uint64_t state_;
};

class EveryProgram : public testing::TestWithParam<std::string> {
 protected:
  // Under AddressSanitizer the leak check at exit takes most of a run's
  // time. The programs allocate nothing, and their own tests still run
  // with the check; here it is left out, for thousands of runs.
  static void SetUpTestSuite() {
    const char* options = getenv("ASAN_OPTIONS");
    std::string all = options ? std::string(options) + ":" : "";
    setenv("ASAN_OPTIONS", (all + "detect_leaks=0").c_str(), 1);
  }
};

TEST_P(EveryProgram, AnswersItsSeedsWithoutComplaint) {
  const std::string& program = GetParam();
  std::vector<std::string> valid = seeds(program);
  ASSERT_FALSE(valid.empty());
  for (const std::string& input : valid) {
    Outcome o = run(program, input, testing_run::Sink::pipe, kTimeoutMs);
    EXPECT_EQ(o.status, 0) << shown(input) << "\nstderr " << shown(o.err);
    EXPECT_EQ(o.err, "") << shown(input);
  }
}

TEST_P(EveryProgram, AnswersOrRefusesBrokenInput) {
  const std::string& program = GetParam();
  for (const std::string& input : regressions(program)) {
    EXPECT_TRUE(
        answers_or_refuses(program, run(program, input, testing_run::Sink::pipe, kTimeoutMs)))
        << "regression input " << shown(input);
  }
  std::vector<std::string> valid = seeds(program);
  ASSERT_FALSE(valid.empty());
  // The same variants on every run and for every build: the generator
  // starts from a hash (FNV-1a) of the program's name.
  uint64_t seed = 1469598103934665603u;
  for (char c : program) seed = (seed ^ static_cast<unsigned char>(c)) * 1099511628211u;
  Mutator mutator(seed);
  int failures = 0;
  for (int i = 0; i < kMutantsPerProgram && failures < 5; ++i) {
    std::string input = mutator.mutate(valid[i % valid.size()]);
    Outcome o = run(program, input, testing_run::Sink::pipe, kTimeoutMs);
    testing::AssertionResult ok = answers_or_refuses(program, o);
    if (!ok) ++failures;
    EXPECT_TRUE(ok) << "variant " << i << ": " << shown(input);
  }
}

INSTANTIATE_TEST_SUITE_P(Robustness, EveryProgram,
                         testing::Values("barter", "cubesum", "arrangements", "splice", "swapcount",
                                         "aboveavg", "subseq", "prodsum"),
                         [](const auto& info) { return info.param; });

}  // namespace
