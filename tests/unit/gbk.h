#pragma once

// Converts UTF-8 text to GBK through the platform's own converter (iconv, or the Windows code
// page tables), independently of how the program's sources hold their constant texts.

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

inline std::string gbk(const char8_t* utf8Text) {
  const std::string utf8(reinterpret_cast<const char*>(utf8Text));
#ifdef _WIN32
  const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                             static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                      wideLength);
  const int length =
      WideCharToMultiByte(936, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(936, 0, wide.data(), wideLength, out.data(), length, nullptr, nullptr);
  return out;
#else
  iconv_t converter = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t converted = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  if (converted == static_cast<std::size_t>(-1)) return "<not convertible to GBK>";
  out.resize(out.size() - outLeft);
  return out;
#endif
}
