// prodsum, written plainly with scanf and printf; the three values of a
// record are 32-bit ints.

#include <cstdio>

int main() {
  int cases;
  scanf("%d", &cases);
  while (cases > 0) {
    double sum = 0.0;
    int records;
    scanf("%d", &records);
    while (records > 0) {
      int first, middle, third;
      scanf("%d %d %d", &first, &middle, &third);
      int product = first * third;
      sum += product;
      records--;
    }
    printf("%.0lf\n", sum);
    cases--;
  }
  return 0;
}
