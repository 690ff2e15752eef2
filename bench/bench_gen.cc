// bench_gen PROGRAM SHAPE MEGABYTES FILE: writes a benchmark input of about
// MEGABYTES million bytes to FILE, always the same bytes for the same
// arguments, and prints the number of instances it holds.
// bench_gen PROGRAM: lists the program's shapes.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/gen.h"

namespace {

// The one seed of every benchmark input.
constexpr uint64_t kSeed = 20261211;

int usage() {
  std::fputs("usage: bench_gen PROGRAM [SHAPE MEGABYTES FILE]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 5) return usage();
  if (argc == 2) {
    for (std::string_view shape : bench::shapes(argv[1])) {
      std::printf("%.*s\n", static_cast<int>(shape.size()), shape.data());
    }
    return bench::shapes(argv[1]).empty() ? usage() : 0;
  }
  double megabytes = std::atof(argv[3]);
  bench::Generated input =
      bench::generate(argv[1], argv[2], static_cast<size_t>(megabytes * 1e6), kSeed);
  if (input.instances == 0) return usage();
  FILE* file = std::fopen(argv[4], "wb");
  if (!file || std::fwrite(input.text.data(), 1, input.text.size(), file) != input.text.size() ||
      std::fclose(file) != 0) {
    std::perror(argv[4]);
    return 1;
  }
  std::printf("%lld\n", input.instances);
  return 0;
}
