// subseq: not written yet.

#include "io/stdio.h"

int main() {
  io::set_program_name("subseq");
  return io::finish();
}
