// aboveavg, written plainly with scanf and printf. Each step is done in
// double and rounded to float where the program keeps a float: C's own
// int + float would round the int to float first.

#include <cstdio>

float avg(int* a, int n) {
  float sum = 0;
  for (int i = 0; i < n; i++) sum = static_cast<float>(static_cast<double>(a[i]) + sum);
  return static_cast<float>(static_cast<double>(sum) / n);
}

int main() {
  static int a[1012];
  int cases;
  scanf("%d", &cases);
  while (cases > 0) {
    int n, above = 0;
    scanf("%d", &n);
    for (int i = 0; i < n; i++) scanf("%d", &a[i]);
    float mean = avg(a, n);
    for (int i = 0; i < n; i++) {
      if (static_cast<double>(a[i]) > static_cast<double>(mean)) above++;
    }
    float percentage = static_cast<float>(static_cast<double>(above) / n * 100);
    printf("%.3f%%\n", static_cast<double>(percentage));
    cases--;
  }
  return 0;
}
