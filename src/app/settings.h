// The settings file beside the executable: window place and size, the ten phrases, the recent-files
// history, the next-open font and the background colour. Read once at start-up, written once at an
// accepted close, through the platform's private-profile functions.
#pragma once
#include <optional>
#include <string>

#include "core/font.h"
#include "core/form_window.h"
#include "core/profile.h"
#include "core/window_state.h"
#include "editing/appearance.h"
#include "editing/phrase_box_view.h"

namespace kakipo {

// The executable's path with the extension of its file name replaced by ".ini" (appended when the
// name has none).
std::string settingsPathFor(const std::string& exePath);

// An integer as the settings file holds it: signed decimal, or hexadecimal after "0x", "0X" or
// "$" (32 bits, so system colours may be written either way). Anything else is not a number.
std::optional<int> parseSettingsInt(const std::string& text);

class Settings {
 public:
  Settings(WindowState& state, FormWindow& form, PhraseBoxView& phraseBox, Appearance& appearance,
           Profile& profile, std::string path)
      : state_(state), form_(form), phraseBox_(phraseBox), appearance_(appearance), profile_(profile),
        path_(std::move(path)) {}

  // Applies the file to the window state; a missing file, section or key gives the defaults.
  // Needs syokika's phrase keys and default phrases.
  void inifileyomu();
  // Writes every key; throws Error("<path> に書き込めません") at the first key that cannot be
  // written, leaving the keys after it unwritten.
  void inifilekaku();
  // A font and the background colour, from and to one section.
  void fontYomu(Font& font, const std::string& section);
  void fontKaku(const Font& font, const std::string& section);

 private:
  int readInt(const std::string& section, const std::string& key, int defaultValue);
  bool readBool(const std::string& section, const std::string& key, bool defaultValue);
  std::string readString(const std::string& section, const std::string& key, const std::string& defaultValue);
  void write(const std::string& section, const std::string& key, const std::string& value);
  void writeInt(const std::string& section, const std::string& key, long long value);

  WindowState& state_;
  FormWindow& form_;
  PhraseBoxView& phraseBox_;
  Appearance& appearance_;
  Profile& profile_;
  std::string path_;
};

}  // namespace kakipo
