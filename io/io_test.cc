#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "gtest/gtest.h"
#include "io/input.h"
#include "io/output.h"
#include "io/scan.h"

namespace {

// An Input over exactly these bytes.
struct Bytes {
  explicit Bytes(const std::string& bytes) : fd(memfd_create("bytes", 0)), in(fd, nullptr) {
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    lseek(fd, 0, SEEK_SET);
  }
  ~Bytes() { close(fd); }
  int fd;
  io::Input in;
};

// Every result of "%d" scans of the input, as text, up to the first that
// is not ok.
std::string scan_ints(const std::string& input) {
  Bytes bytes(input);
  std::string seen;
  for (;;) {
    int32_t value = 0;
    io::Scan result = io::scan_int(bytes.in, value);
    if (result != io::Scan::ok) {
      int next = bytes.in.peek();
      return seen + "(" + io::describe(result) +
             (next >= 0 ? std::string(" at ") + char(next) : "") + ")";
    }
    seen += std::to_string(value) + " ";
  }
}

TEST(ScanInt, Table) {
  struct Case {
    const char* input;
    const char* scanned;
  } cases[] = {
      {"", "(unexpected end of input)"},
      {" \t\r\n\v\f", "(unexpected end of input)"},
      {"1 -2 +3", "1 -2 3 (unexpected end of input)"},
      {"007\r\n-0", "7 0 (unexpected end of input)"},
      {"2147483647 -2147483648", "2147483647 -2147483648 (unexpected end of input)"},
      {"2147483648", "(integer outside the 32-bit range)"},
      {"-2147483649", "(integer outside the 32-bit range)"},
      {"99999999999999999999999999", "(integer outside the 32-bit range)"},
      {"4294967296 -4294967295", "(integer outside the 32-bit range at  )"},
      {"1234567890 -0000000001 +1", "1234567890 -1 1 (unexpected end of input)"},
      {"- 5", "(not an integer at  )"},
      {"+-5", "(not an integer at -)"},
      {"12abc", "12 (not an integer at a)"},
      {"0x10", "0 (not an integer at x)"},
      {"-", "(not an integer)"},
      {"\xff", "(not an integer at \xff)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scan_ints(c.input), c.scanned) << c.input;
    // Again with the number well inside the buffer, where the quick path
    // reads it; a failure now has a blank after it.
    std::string padded = c.scanned;
    size_t last = padded.rfind('(');
    if (padded.find(" at ", last) == std::string::npos && !padded.ends_with("end of input)")) {
      padded.insert(padded.size() - 1, " at  ");
    }
    EXPECT_EQ(scan_ints(c.input + std::string(16, ' ')), padded) << c.input;
  }
}

TEST(ScanInt, NumbersAcrossBlocks) {
  // Numbers of every alignment against the 64 KiB block boundary.
  std::string input;
  std::string expected;
  for (int i = 0; input.size() < 3 * io::Input::kSize; ++i) {
    input += std::to_string(i * 7919) + (i % 3 ? " " : "\n");
    expected += std::to_string(i * 7919) + " ";
  }
  EXPECT_EQ(scan_ints(input), expected + "(unexpected end of input)");
}

TEST(ScanWord, WordsAndLimits) {
  Bytes bytes(" ab\tc\xe9\xff\r\nlonger  tail");
  char word[5];
  size_t length;
  ASSERT_EQ(io::scan_word(bytes.in, word, 5, length), io::Scan::ok);
  EXPECT_EQ(std::string(word, length), "ab");
  ASSERT_EQ(io::scan_word(bytes.in, word, 5, length), io::Scan::ok);
  EXPECT_EQ(std::string(word, length), "c\xe9\xff");
  EXPECT_EQ(io::scan_word(bytes.in, word, 5, length), io::Scan::too_long);
}

TEST(ScanWord, LongWordAcrossBlocksEndsAtEndOfInput) {
  std::string big(3 * io::Input::kSize + 5, 'x');
  Bytes bytes("  " + big);
  static char word[4 * io::Input::kSize];
  size_t length;
  ASSERT_EQ(io::scan_word(bytes.in, word, sizeof word, length), io::Scan::ok);
  EXPECT_EQ(std::string(word, length), big);
  EXPECT_EQ(io::scan_word(bytes.in, word, sizeof word, length), io::Scan::end);
}

TEST(ScanLine, LinesKeepEveryByteButTheLineFeed) {
  Bytes bytes("  a b\r\n\n\tlast");
  char line[8];
  size_t length;
  const char* expected[] = {"  a b\r", "", "\tlast"};
  for (const char* e : expected) {
    ASSERT_EQ(io::scan_line(bytes.in, line, sizeof line, length), io::Scan::ok);
    EXPECT_EQ(std::string(line, length), e);
  }
  EXPECT_EQ(io::scan_line(bytes.in, line, sizeof line, length), io::Scan::end);
}

TEST(ScanLine, TooLong) {
  Bytes bytes("123456789\n");
  char line[8];
  size_t length;
  EXPECT_EQ(io::scan_line(bytes.in, line, sizeof line, length), io::Scan::too_long);
  Bytes fits("12345678\n");
  EXPECT_EQ(io::scan_line(fits.in, line, sizeof line, length), io::Scan::ok);
}

TEST(Input, ReturnsWhatArrivedWithoutWaitingToFill) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  io::Input in(fds[0], nullptr);
  ASSERT_EQ(write(fds[1], "12", 2), 2);
  EXPECT_EQ(in.get(), '1');
  EXPECT_EQ(in.get(), '2');
  in.unget();
  EXPECT_EQ(in.get(), '2');
  ASSERT_EQ(write(fds[1], "34 ", 3), 3);  // the pipe stays open
  EXPECT_EQ(in.get(), '3');
  in.unget();
  int32_t value;
  EXPECT_EQ(io::scan_int(in, value), io::Scan::ok);
  EXPECT_EQ(value, 34);
  close(fds[1]);
  EXPECT_EQ(in.get(), ' ');
  EXPECT_EQ(in.get(), -1);
  EXPECT_EQ(in.get(), -1);
  close(fds[0]);
}

// What an Output wrote to its descriptor.
template <class Write>
std::string written(Write write_to) {
  int fd = memfd_create("out", 0);
  {
    io::Output out(fd);
    write_to(out);
    out.flush();
  }
  std::string bytes(lseek(fd, 0, SEEK_CUR), '\0');
  pread(fd, bytes.data(), bytes.size(), 0);
  close(fd);
  return bytes;
}

TEST(Output, Integers) {
  EXPECT_EQ(written([](io::Output& out) {
              out.integer(0);
              out.put(' ');
              out.integer(INT64_MIN);
              out.put(' ');
              out.integer(UINT64_MAX);
              out.put(' ');
              out.integer(int32_t{-2147483647 - 1});
            }),
            "0 -9223372036854775808 18446744073709551615 -2147483648");
}

TEST(Output, FixedMatchesPrintf) {
  const double values[] = {0.0, 0.5, 1.5, 2.5, 73.96450805664062, 40.0, 1e22,
                           25852016738884978212864.0, 1.5e300, -6.0, 99.9995, 0.0625, 100.0 / 3,
                           // Whole numbers at the edges of the integer shortcut, and minus zero.
                           -0.0, -0.5, 9007199254740993.0, 9223372036854774784.0,
                           9223372036854775808.0, -9223372036854775808.0, -9223372036854774784.0,
                           -1e19};
  for (int precision : {0, 3}) {
    for (double v : values) {
      char expected[400];
      snprintf(expected, sizeof expected, "%.*f", precision, v);
      EXPECT_EQ(written([&](io::Output& out) { out.fixed(v, precision); }), expected) << v;
    }
  }
}

TEST(Output, LargeWritesPassThroughInOrder) {
  std::string big;
  for (int i = 0; big.size() < 5 * io::Output::kSize; ++i) big += std::to_string(i) + ",";
  EXPECT_EQ(written([&](io::Output& out) {
              out.put('<');
              out.write(big);
              out.put('>');
            }),
            "<" + big + ">");
}

}  // namespace
