// prodsum: not written yet.

#include "io/stdio.h"

int main() {
  io::set_program_name("prodsum");
  return io::finish();
}
