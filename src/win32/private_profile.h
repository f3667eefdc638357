// The Profile port over the system's private-profile functions, wide all the way, so a settings
// file in any folder works and keeps any character: the file stays in the system's ANSI code page
// (what every earlier version wrote and reads) while its values fit there, and becomes UTF-16 with
// its mark, which the same functions read and write, the first time one does not.
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
