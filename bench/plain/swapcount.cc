// swapcount, written plainly with scanf, printf and the exchange sort
// itself.

#include <cstdio>

int bubble(int* a, int n) {
  int count = 0;
  bool swapped = true;
  for (int i = 0; i < n - 1 && swapped; i++) {
    swapped = false;
    for (int j = 0; j < n - i - 1; j++) {
      if (a[j] > a[j + 1]) {
        int t = a[j];
        a[j] = a[j + 1];
        a[j + 1] = t;
        swapped = true;
        count++;
      }
    }
  }
  return count;
}

int main() {
  static int a[1012];
  int n;
  while (scanf("%d", &n) != EOF) {
    for (int i = 0; i < n; i++) scanf("%d", &a[i]);
    printf("Minimum exchange operations : %d\n", bubble(a, n));
  }
  return 0;
}
