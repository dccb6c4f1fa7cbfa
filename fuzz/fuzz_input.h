// Reading a fuzz target's bytes as the values it needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  // The next byte, 0 once the input is used up.
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  double Double() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | Byte();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }
  // Fills n bytes with the rest of the input, over and over (zeros if none
  // is left), and uses it up.
  void Fill(uint8_t* out, size_t n) {
    const size_t left = size_ - (pos_ < size_ ? pos_ : size_);
    if (left == 0) {
      std::memset(out, 0, n);
      return;
    }
    for (size_t done = 0; done < n;) {
      const size_t k = n - done < left ? n - done : left;
      std::memcpy(out + done, data_ + pos_, k);
      done += k;
    }
    pos_ = size_;
  }
  // UTF-16 text from the rest: a byte below 0xF0 is that character (so
  // ASCII structure is easy to reach); 0xF0 and above take the next two
  // bytes as one code unit (kana, kanji, surrogates, anything).
  std::wstring Wide(size_t maxChars = SIZE_MAX) {
    std::wstring out;
    while (!Empty() && out.size() < maxChars) {
      const uint8_t b = Byte();
      if (b < 0xF0) {
        out.push_back(static_cast<wchar_t>(b));
      } else {
        const unsigned hi = Byte(), lo = Byte();
        out.push_back(static_cast<wchar_t>(hi << 8 | lo));
      }
    }
    return out;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};
