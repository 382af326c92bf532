#pragma once
// The least eigenvalue of a small symmetric matrix, by Jacobi rotations: the
// search bounds how unevenly the free ranks can spread over the sums with it.
#include <vector>

namespace ked {

// `a` holds the n x n matrix row by row; it must be symmetric.
double SmallestEigenvalue(std::vector<double> a, int n);

}  // namespace ked
