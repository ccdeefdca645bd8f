// Helpers shared by the configuration dialogs: reading fields back the way the dialogs check
// them, and building the fields they have in common.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace ventro {

// The text of field `key`, cut to the field's maximum length: the form limits typing, but a
// script may send any length.
std::string FieldText(const Dialog& dialog, const std::string& key);

// The choice of list field `key` when it picks one of its first `count` entries (and one the
// list offers); -1 for no selection or anything else.
int FieldChoice(const Dialog& dialog, const std::string& key, int count);

// A one-line entry for digits.
DialogField NumberField(std::string key, std::string label, std::string text, size_t max_length);

// The numbers first to last as list entries ("0", "1", ...).
std::vector<std::string> NumberList(int first, int last);

}  // namespace ventro
