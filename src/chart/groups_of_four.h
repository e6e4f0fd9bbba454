// The AVX2 paths take whole groups of four; a batch's last few go as one more
// group, padded with copies of its last value, and only their results are kept.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

namespace kairotex {

// kernel(out, groups, in...) over out.size() values, each input a span of that length.
template <typename Out, typename Kernel, typename... In>
void InGroupsOfFour(std::span<Out> out, Kernel&& kernel, std::span<const In>... in) {
  const std::size_t count = out.size(), done = count / 4 * 4;
  kernel(out.data(), count / 4, in.data()...);
  if (done == count) return;
  const auto padded = [done, count](auto values) {
    std::array<std::remove_cv_t<typename decltype(values)::element_type>, 4> group;
    for (std::size_t i = 0; i < 4; ++i) group[i] = values[std::min(done + i, count - 1)];
    return group;
  };
  std::array<Out, 4> results;
  kernel(results.data(), std::size_t{1}, padded(in).data()...);
  std::copy_n(results.begin(), count - done, out.begin() + static_cast<std::ptrdiff_t>(done));
}

}  // namespace kairotex
