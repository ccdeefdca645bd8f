// One line of a script, split into words. Double quotes group words with blanks; inside
// quotes \" stands for a quote and \\ for a backslash.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ventro::script {

// The words of `line`, or nothing when a quote is left open. A line starting with '#' (after
// blanks) and a blank line give no words.
std::optional<std::vector<std::string>> SplitWords(std::string_view line);

// Puts `text` in double quotes, escaping quotes and backslashes, for the transcript; a line
// break is written `\n` (a carriage return is left out), so that every value stays on one line.
std::string Quote(std::string_view text);

}  // namespace ventro::script
