// The Profile port over the system's private-profile functions. Strings cross the boundary as
// CP932 bytes, converted to and from UTF-16 with code page 932.
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

}  // namespace kakipo::win32
