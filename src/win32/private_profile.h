// The Profile port over the system's private-profile functions, and the executable's own path.
// Strings cross the boundary as CP932 bytes, converted to and from UTF-16 with code page 932.
#pragma once
#include <string>

#include "core/profile.h"

namespace kakipo::win32 {

class PrivateProfile : public Profile {
 public:
  std::string readString(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& defaultValue) const override;
  bool writeString(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

// The running executable's full path as CP932 bytes (settingsPathFor turns it into the settings
// file's path).
std::string executablePath();

}  // namespace kakipo::win32
