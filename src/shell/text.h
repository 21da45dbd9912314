#pragma once

#include <cstddef>
#include <memory>

// An owned, NUL-terminated multibyte string in the process's ANSI code page.
// A default-constructed Text is the empty text; a null pointer is read as empty too,
// so "no text" and "" are never told apart by callers.
class Text {
 public:
  Text() = default;
  explicit Text(const char* bytes);
  Text(const char* bytes, std::size_t length);

  Text(const Text& other);
  Text& operator=(const Text& other);
  Text(Text&& other) noexcept;
  Text& operator=(Text&& other) noexcept;
  ~Text() = default;

  // Never null: the empty text reads as "".
  const char* c_str() const { return bytes_ ? bytes_.get() : ""; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  Text& append(const char* bytes);
  Text& append(const char* bytes, std::size_t length);
  Text& append(const Text& other) { return append(other.c_str(), other.size()); }

  friend bool operator==(const Text& a, const Text& b);

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
};
