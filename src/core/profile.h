// The system's private-profile (INI file) access as the settings logic uses it. Every string is the
// program's text; the file is named on every call because no handle stays open between calls.
#pragma once
#include <cstddef>
#include <string>

namespace kakipo {

class Profile {
 public:
  // The platform reads a value into a buffer of this size, so at most 2047 bytes of a value come
  // back (bytes as an ANSI reader on a Japanese system counts them: Shift_JIS).
  static constexpr std::size_t bufferSize = 2048;
  static constexpr std::size_t maxValueBytes = bufferSize - 1;

  virtual ~Profile() = default;
  // The value of key in section (names match regardless of case; blanks around the value and one
  // pair of enclosing quotation marks are not part of it), or defaultValue when the key is missing.
  virtual std::string readString(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& defaultValue) const = 0;
  // Replaces the key's value where it stands, or adds the key at the end of its section, adding the
  // section at the end of the file when missing. False when the file could not be written.
  virtual bool writeString(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

}  // namespace kakipo
