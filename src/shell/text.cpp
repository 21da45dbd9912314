#include "text.h"

#include <cstring>
#include <utility>

namespace {

std::size_t lengthOf(const char* bytes) {
  return bytes ? std::strlen(bytes) : 0;
}

}  // namespace

Text::Text(const char* bytes) : Text(bytes, lengthOf(bytes)) {}

Text::Text(const char* bytes, std::size_t length) {
  if (length == 0) return;
  bytes_ = std::make_unique<char[]>(length + 1);
  std::memcpy(bytes_.get(), bytes, length);
  bytes_[length] = '\0';
  size_ = length;
}

Text::Text(const Text& other) : Text(other.c_str(), other.size()) {}

Text& Text::operator=(const Text& other) {
  if (this != &other) *this = Text(other);
  return *this;
}

Text::Text(Text&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0)) {}

Text& Text::operator=(Text&& other) noexcept {
  bytes_ = std::move(other.bytes_);
  size_ = std::exchange(other.size_, 0);
  return *this;
}

Text& Text::append(const char* bytes) {
  return append(bytes, lengthOf(bytes));
}

Text& Text::append(const char* bytes, std::size_t length) {
  if (length == 0) return *this;
  auto grown = std::make_unique<char[]>(size_ + length + 1);
  if (size_ != 0) std::memcpy(grown.get(), bytes_.get(), size_);
  std::memcpy(grown.get() + size_, bytes, length);
  grown[size_ + length] = '\0';
  bytes_ = std::move(grown);
  size_ += length;
  return *this;
}

bool operator==(const Text& a, const Text& b) {
  return a.size() == b.size() && std::memcmp(a.c_str(), b.c_str(), a.size()) == 0;
}
