// upload.cfg: the head office's server, the account and the names the day's reports are sent
// under, one record of 5,040 bytes. Bytes no field names are carried unchanged. Which reports
// go is kept in the settings record (cfg::kUploadOverview and the two after it).
#pragma once

#include <string>
#include <tuple>

#include "base/record_field.h"

namespace ventro {

class UploadConfig;

namespace upl {
using Text = StoredText<UploadConfig>;

// Each text holds at most 199 characters and its terminator.
inline constexpr Text kHost{1440, 200};  // "name", "name:port", or with a protocol prefix
inline constexpr Text kUser{1640, 200};
inline constexpr Text kPassword{1840, 200};
inline constexpr Text kOverviewName{2640, 200};
inline constexpr Text kItemsName{2840, 200};
inline constexpr Text kReorderName{3040, 200};

inline constexpr auto kLayout =
    std::tuple(kHost, kUser, kPassword, kOverviewName, kItemsName, kReorderName);
}  // namespace upl

class UploadConfig : public FixedRecord<UploadConfig, 5040> {};

static_assert(FitsWithoutOverlap(SpansOf(upl::kLayout), UploadConfig::kSize));

// The names shown in the setup for reports that have none yet.
inline constexpr const char* kDefaultOverviewName = "Activity.txt";
inline constexpr const char* kDefaultItemsName = "Dlyitems.txt";
inline constexpr const char* kDefaultReorderName = "Reorder.txt";

}  // namespace ventro
