// Choosing one customer for a sale: by number, or by the start of the name, either match by
// match in the find result view or from a selection list (the settings decide which). Used by
// the customer-credit tender and by associating a customer with the basket.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/settings_record.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "store/master_file.h"

namespace ventro {

// Prompts `title` / "Number / name" (EDIT2BOX) and looks the answer up as LookUpCustomer does.
// Gives the chosen customer's slot, its record then in `customers`' buffer; nothing when the
// prompt is cancelled or no customer is chosen.
std::optional<int64_t> PromptForCustomer(Ui& ui, Files& files, const SettingsRecord& settings,
                                         MasterFile& customers, const std::string& title);

// A number 1 to 10^17 is looked up by number, any other text by name. Gives the chosen
// customer's slot with its record in the buffer; nothing when none was chosen.
std::optional<int64_t> LookUpCustomer(Ui& ui, Files& files, const SettingsRecord& settings,
                                      MasterFile& customers, std::string_view text);

// Reads customer `number` into the buffer. Not in the index: "No match found" titled
// "Finished"; file failures as MasterFile::Read.
std::optional<int64_t> FindCustomerByNumber(Ui& ui, Files& files, MasterFile& customers,
                                            int64_t number);

// Searches the names by their start ("?" matches any character; one character X searches
// "X?"; an empty text chooses nothing). With the settings' customer-list option the matches are
// offered in the selection list (dialog "818"), else one by one in the find result view
// (dialog "804": OK takes the customer shown, Next shows the next match, Cancel ends); "No
// match found" titled "Finished" when the scan ends without a choice.
std::optional<int64_t> FindCustomerByName(Ui& ui, Files& files, const SettingsRecord& settings,
                                          MasterFile& customers, std::string_view text);

// The line of the selection list: "%I64d %s,  %s" (number, name, road).
std::string CustomerListLine(const CustomerRecord& customer);

}  // namespace ventro
