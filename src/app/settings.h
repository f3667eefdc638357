// The settings file beside the executable: window place and size, the ten phrases, the recent-files
// history, the next-open font and the background colour, staying on top and the encoding of new
// documents. Read once at start-up, written once at an
// accepted close, through the platform's private-profile functions.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/font.h"
#include "core/form_window.h"
#include "core/profile.h"
#include "core/text_encoding.h"
#include "core/window_state.h"

namespace kakipo {

// The executable's path with the extension of its file name replaced by ".ini" (appended when the
// name has none).
std::string settingsPathFor(const std::string& exePath);

// An integer as the settings file holds it: signed decimal, or hexadecimal after "0x", "0X" or
// "$" (32 bits, so system colours may be written either way). Anything else is not a number.
std::optional<int> parseSettingsInt(const std::string& text);

// What the settings file holds, as read at start-up and as written at an accepted close.
struct SettingsValues {
  // The window's place in pixels and its size in pixels at 96 dpi, the units the file has always
  // held (Windows scales the whole window of a program that does not know the display's scale).
  Rect bounds = defaultFormBounds;
  std::vector<std::string> phrases;  // the phrase box's list; ten when read
  std::array<std::string, historyCount> history;
  Font nextOpenFont;
  Colour backColour = clWindow;
  bool resumeAtClose = false;
  bool topmost = false;
  TextEncoding newDocumentEncoding = TextEncoding::ShiftJis;
};

class Settings {
 public:
  // The phrase keys, the default phrases, the second-instance gesture and the next-open font to
  // read over come from state.
  Settings(const WindowState& state, Profile& profile, std::string path)
      : state_(state), profile_(profile), path_(std::move(path)) {}

  const std::string& path() const { return path_; }

  // "Read the ini file": every value; a missing file, section or key gives the default. Needs
  // syokika's phrase keys and default phrases.
  SettingsValues inifileyomu() const;
  // "Write the ini file": every key; throws Error("<path> に書き込めません") at the first key
  // that cannot be written, leaving the keys after it unwritten.
  void inifilekaku(const SettingsValues& values);

 private:
  // "Read / write the font": a font and the background colour, from and to one section.
  void fontYomu(Font& font, Colour& backColour, const std::string& section) const;
  void fontKaku(const Font& font, Colour backColour, const std::string& section);
  int readInt(const std::string& section, const std::string& key, int defaultValue) const;
  bool readBool(const std::string& section, const std::string& key, bool defaultValue) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  void write(const std::string& section, const std::string& key, const std::string& value);
  // A key later versions added: not written while it holds its default and the file lacks it.
  void writeAdded(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& defaultValue);
  void writeInt(const std::string& section, const std::string& key, long long value);

  const WindowState& state_;
  Profile& profile_;
  std::string path_;
};

}  // namespace kakipo
