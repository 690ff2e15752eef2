// cubesum, written plainly with stdio: one flushed printf per value.

#include <cstdint>
#include <cstdio>

#include "stream.h"

int main() {
  uint64_t n;
  while (read_number(&n)) {
    uint64_t t = n * (n + 1) / 2;
    printf("%llu\n", static_cast<unsigned long long>(t * t));
    fflush(stdout);
  }
  return 0;
}
