#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace kirvo {

// A list of at most N values kept in place. Short lists made for every chart (the pillars a relation
// names, the cells of one relation row, the fields of a date text) would each cost a heap
// allocation otherwise.
template <class T, std::size_t N>
class SmallList {
 public:
  void push_back(const T& value) {
    if (size_ == N) throw std::length_error("SmallList is full");
    values_[size_++] = value;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t i) const { return values_[i]; }
  const T* begin() const { return values_.data(); }
  const T* end() const { return values_.data() + size_; }

 private:
  std::array<T, N> values_{};
  std::size_t size_ = 0;
};

}  // namespace kirvo
