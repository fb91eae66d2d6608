#include "files/token_scanner.h"

namespace morvek::files {

std::optional<std::string_view> TokenScanner::Peek() {
  std::size_t start = pos_;
  while (start < text_.size() && IsSpace(text_[start])) ++start;
  if (start == text_.size()) return std::nullopt;
  std::size_t end = start;
  while (end < text_.size() && !IsSpace(text_[end])) ++end;
  return text_.substr(start, end - start);
}

std::optional<std::string_view> TokenScanner::Next() {
  std::optional<std::string_view> token = Peek();
  if (token)
    pos_ = static_cast<std::size_t>(token->data() - text_.data()) + token->size();
  else
    pos_ = text_.size();
  return token;
}

std::optional<int> ParseFileNumber(std::string_view token) {
  if (token.empty() || token.size() > kMaxTokenLength) return std::nullopt;
  bool negative = false;
  if (token.front() == '-' || token.front() == '+') {
    negative = token.front() == '-';
    token.remove_prefix(1);
  }
  if (token.empty()) return std::nullopt;
  int value = 0;
  for (char c : token) {
    if (c < '0' || c > '9') return std::nullopt;
    value = (value * 10 + (c - '0')) & 0xFFFF;
  }
  return negative ? (0x10000 - value) & 0xFFFF : value;
}

}  // namespace morvek::files
