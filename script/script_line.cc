#include "script/script_line.h"

namespace ventro::script {

std::optional<std::vector<std::string>> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  auto blank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
  while (i < line.size() && blank(line[i])) ++i;
  if (i < line.size() && line[i] == '#') return words;
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string word;
    bool quoted = false;
    while (i < line.size() && (quoted || !blank(line[i]))) {
      char ch = line[i++];
      if (ch == '"') {
        quoted = !quoted;
      } else if (quoted && ch == '\\' && i < line.size()) {
        word += line[i++];
      } else {
        word += ch;
      }
    }
    if (quoted) return std::nullopt;
    words.push_back(std::move(word));
  }
  return words;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    // A value of several lines (a report window) stays on its transcript line.
    if (ch == '\n') {
      out += "\\n";
      continue;
    }
    if (ch == '\r') continue;
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  out += '"';
  return out;
}

}  // namespace ventro::script
