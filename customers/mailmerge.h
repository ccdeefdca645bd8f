// The mailmerge letter: free text typed (or loaded from a text file) once, printed on one
// letter per selected customer of a number range.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "customers/customer_desk.h"

namespace ventro {

// The largest body file Load takes.
inline constexpr size_t kLargestMailmergeFile = 1000;

// The "bodyedit" dialog ("Mailmerge"): `body` is the text kept for the run. Load and Save read
// and write the body through the open and save file questions; OK prints the letters.
void RunMailmerge(CustomerDesk& desk, std::string& body);

enum class MailmergeSelection { kAll = 0, kOweMoney = 1, kNotActiveThisYear = 2 };

// The slots of the customers numbered `first` to `last` that `selection` takes, in number
// order: all, those owing money (balance above 0), or those whose last sale was not this year
// (a customer who never bought counts as not active).
std::vector<int64_t> MailmergeCustomers(Files& files, const MasterFile& customers, int64_t first,
                                        int64_t last, MailmergeSelection selection, int this_year);

// The body broken into lines of at most `columns` characters: at each CR LF, else at the last
// space before the width, and a word wider than the line cut into pieces of `cut_columns`
// characters (by default `columns`).
std::vector<std::string> WrapBody(std::string_view body, size_t columns, size_t cut_columns = 0);

}  // namespace ventro
