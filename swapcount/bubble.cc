#include "swapcount/bubble.h"

#include <algorithm>

namespace {

// Merges the sorted runs from[lo, mid) and from[mid, hi) into to[lo, hi),
// keeping equal elements in order, and returns the number of inversions
// between the runs: an element taken from the right run is smaller than
// every element still waiting in the left run.
int merge(const int* from, int* to, int lo, int mid, int hi) {
  int inversions = 0;
  int i = lo;
  int j = mid;
  int k = lo;
  while (i < mid && j < hi) {
    if (from[j] < from[i]) {
      inversions += mid - i;
      to[k++] = from[j++];
    } else {
      to[k++] = from[i++];
    }
  }
  k = std::copy(from + i, from + mid, to + k) - to;
  std::copy(from + j, from + hi, to + k);
  return inversions;
}

}  // namespace

// Each adjacent exchange puts exactly one out-of-order pair (positions
// i < j with a[i] > a[j]) in order and leaves every other pair as it was,
// and the sort stops only after a pass that finds no neighbours out of
// order, that is once the sequence is sorted. So it makes exactly as many
// exchanges as the sequence has inversions, which a merge sort counts in
// O(n log n) steps instead of making them one by one.
int bubble(int* a, int n) {
  int scratch[kMaxLength];
  int* from = a;
  int* to = scratch;
  int count = 0;  // at most 1012 * 1011 / 2, well inside an int
  for (int width = 1; width < n; width *= 2) {
    for (int lo = 0; lo < n; lo += 2 * width) {
      count += merge(from, to, lo, std::min(lo + width, n), std::min(lo + 2 * width, n));
    }
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + n, a);
  return count;
}
