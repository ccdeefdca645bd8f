#include "store/upload_config_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/owner_only_file.h"

namespace ventro {

std::optional<UploadConfig> LoadUploadConfig(Files& files, const Path& data_folder) {
  auto bytes = files.ReadAll(UploadConfigPath(data_folder));
  if (!bytes) return std::nullopt;
  UploadConfig config;
  std::memcpy(config.data(), bytes->data(), std::min(bytes->size(), UploadConfig::kSize));
  return config;
}

bool SaveUploadConfig(const Path& data_folder, const UploadConfig& config) {
  std::string_view bytes(reinterpret_cast<const char*>(config.data()), UploadConfig::kSize);
  return WriteOwnerOnlyFile(UploadConfigPath(data_folder), bytes);
}

}  // namespace ventro
