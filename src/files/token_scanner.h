#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace morvek::files {

// Tokens of a parameter file are its whitespace-separated words; line breaks (CR LF or a bare
// LF) are whitespace like blanks and tabs.
class TokenScanner {
 public:
  explicit TokenScanner(std::string_view text) : text_(text) {}

  // The next token without consuming it; nothing at the end of the text.
  std::optional<std::string_view> Peek();
  std::optional<std::string_view> Next();
  // Consumes a token that Peek returned.
  void Consume(std::string_view peeked) {
    pos_ = static_cast<std::size_t>(peeked.data() - text_.data()) + peeked.size();
  }
  // The text after the last consumed token (its whitespace included).
  std::string_view Rest() const { return text_.substr(pos_); }

  static bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The longest token any writer of the format produces. Longer tokens are consumed whole but
// are never a keyword nor a number.
inline constexpr std::size_t kMaxTokenLength = 255;

// A decimal integer with an optional sign, taken modulo 65536 ("-20" gives 65516). Anything
// else (letters, a sign alone, digits followed by other characters, an overlong token) is
// not a number.
std::optional<int> ParseFileNumber(std::string_view token);

}  // namespace morvek::files
