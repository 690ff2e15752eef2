// Deterministic inputs for the eight programs, for the benchmarks and for
// the randomized comparison with the plain versions. Every input is valid:
// it keeps to each program's input contract, so that a program and its
// plain version must agree on it byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

struct Generated {
  std::string text;
  long long instances = 0;
};

// The shapes each program has, "typical" first.
std::vector<std::string_view> shapes(std::string_view program);

// An input of about `bytes` bytes (at least one instance) of the given
// shape. The same arguments always give the same bytes. With `varied`
// set, the whitespace between items varies (blanks, tabs, CR LF line ends,
// blank lines, a missing last line feed) where the program's syntax allows
// it; otherwise each instance sits on its own line. Unknown names give an
// empty text and 0 instances.
Generated generate(std::string_view program, std::string_view shape, size_t bytes, uint64_t seed,
                   bool varied = false);

}  // namespace bench
