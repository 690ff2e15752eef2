// barter, written plainly with stdio: one flushed printf per pair.

#include <cstdint>
#include <cstdio>

#include "stream.h"

int main() {
  uint64_t n_bits, k_bits;
  while (read_number(&n_bits) && read_number(&k_bits)) {
    int64_t n = static_cast<int64_t>(n_bits), k = static_cast<int64_t>(k_bits);
    int64_t current = n, total = n;
    while (current >= k) {
      int64_t q = current / k;
      total += q;
      current = q + current % k;
    }
    printf("%lld\n", static_cast<long long>(total));
    fflush(stdout);
  }
  return 0;
}
