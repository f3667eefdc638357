#include "app/settings.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "app/app_texts.h"
#include "core/file_path.h"
#include "core/text_codec.h"
#include "core/errors.h"
#include "documents/document.h"

namespace kakipo {

namespace {

// Section and key names as they stand in the file. The two style keys are read under the spelling
// older files used; names match regardless of case, so what is written is read back.
const std::string secForm = "form";
const std::string secPhrases = "combobox";
const std::string secHistory = "rireki";
const std::string secFont = "memoFont";
// The section of new documents.
const std::string secNew = "sinki";

// Settings earlier versions did not have: written only once they differ from their default (or
// are in the file already), so that a file stays what an earlier version wrote until they are used.
const std::string keyResume = "resume";

constexpr int secondInstanceOffset = 20;
constexpr int defaultSize = 11;

std::string writeFailedMessage(const std::string& path) { return path + texts::settingsNotWritable; }

}  // namespace

std::string settingsPathFor(const std::string& exePath) {
  return exePath.substr(0, pathParts(exePath).extensionStart) + ".ini";
}

std::optional<int> parseSettingsInt(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + digit;
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  if (hex) {
    // Hexadecimal spells the 32 bits themselves, so 0x80000005 is the system window colour.
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  constexpr std::uint64_t intMax = std::numeric_limits<int>::max();
  if (value > (negative ? intMax + 1 : intMax)) return std::nullopt;
  return static_cast<int>(negative ? -static_cast<long long>(value) : static_cast<long long>(value));
}

int Settings::readInt(const std::string& section, const std::string& key, int defaultValue) const {
  const auto value = parseSettingsInt(profile_.readString(path_, section, key, std::to_string(defaultValue)));
  return value.value_or(defaultValue);
}

bool Settings::readBool(const std::string& section, const std::string& key, bool defaultValue) const {
  return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::string Settings::readString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  // A value is as long as the platform's ANSI functions ever gave it, so an earlier version and
  // this one read the same file the same.
  return cutToCp932Length(profile_.readString(path_, section, key, defaultValue), Profile::maxValueBytes);
}

void Settings::write(const std::string& section, const std::string& key, const std::string& value) {
  if (!profile_.writeString(path_, section, key, value)) throw Error(writeFailedMessage(path_));
}

// A file without the keys this version added stays byte for byte what earlier versions write, as
// long as the settings are at their defaults; once a key is in the file it is always written, so a
// setting turned back to its default is stored as such rather than read back as it was.
void Settings::writeAdded(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& defaultValue) {
  if (value == defaultValue && profile_.readString(path_, section, key, "").empty()) return;
  write(section, key, value);
}

void Settings::writeInt(const std::string& section, const std::string& key, long long value) {
  write(section, key, std::to_string(value));
}

SettingsValues Settings::inifileyomu() const {
  const Rect& defaults = defaultFormBounds;
  SettingsValues values;
  Rect& r = values.bounds;
  r.left = readInt(secForm, "left", defaults.left);
  r.top = readInt(secForm, "top", defaults.top);
  if (state_.secondInstance) {
    r.left += secondInstanceOffset;
    r.top += secondInstanceOffset;
  }
  r.width = readInt(secForm, "width", defaults.width);
  r.height = readInt(secForm, "height", defaults.height);

  for (int i = 0; i < phraseCount; ++i) {
    values.phrases.push_back(readString(secPhrases, state_.phraseKeys[i], state_.defaultPhrases[i]));
  }
  for (int i = 0; i < historyCount; ++i) {
    values.history[i] = readString(secHistory, "filmei" + std::to_string(i), emptySlot);
  }
  values.nextOpenFont = state_.nextOpenFont;
  fontYomu(values.nextOpenFont, values.backColour, secFont);
  values.resumeAtClose = readBool(secForm, keyResume, false);
  values.topmost = readBool(secForm, "topmost", false);
  // By its name; anything else (a UTF-16 name among them) is the default.
  const auto encoding = encodingNamed(readString(secNew, "encoding", ""));
  if (encoding && isNewDocumentEncoding(*encoding)) values.newDocumentEncoding = *encoding;
  return values;
}

void Settings::fontYomu(Font& font, Colour& backColour, const std::string& section) const {
  const Font defaults;
  font.charset = readInt(section, "charset", defaults.charset);
  font.color = static_cast<Colour>(readInt(section, "color", static_cast<std::int32_t>(clWindowText)));
  font.setHeight(readInt(section, "height", defaults.height()));
  const std::string name = readString(section, "name", defaults.name);
  if (!name.empty()) font.name = cutFaceName(name);
  switch (readInt(section, "pitch", 0)) {
    case 0: font.pitch = Pitch::Default; break;
    case 1: font.pitch = Pitch::Fixed; break;
    case 2: font.pitch = Pitch::Variable; break;
    default: break;  // an unknown pitch leaves the font's own
  }
  // The size always wins over the height, also when only its default applies.
  font.setSize(readInt(section, "size", defaultSize));
  font.style = FontStyle{};
  font.style.bold = readBool(section, "bold", false);
  font.style.italic = readBool(section, "italic", false);
  font.style.underline = readBool(section, "underLine", false);
  font.style.strikeOut = readBool(section, "strikeOut", false);
  backColour = static_cast<Colour>(readInt(section, "backcolor", static_cast<std::int32_t>(clWindow)));
}

void Settings::inifilekaku(const SettingsValues& values) {
  const Rect& r = values.bounds;
  writeInt(secForm, "left", r.left);
  writeInt(secForm, "top", r.top);
  writeInt(secForm, "width", r.width);
  writeInt(secForm, "height", r.height);

  const auto& phrases = values.phrases;
  for (int i = 0; i < phraseCount; ++i) {
    write(secPhrases, state_.phraseKeys[i], i < static_cast<int>(phrases.size()) ? phrases[i] : emptySlot);
  }
  for (int i = 0; i < historyCount; ++i) {
    write(secHistory, "filmei" + std::to_string(i), values.history[i]);
  }
  fontKaku(values.nextOpenFont, values.backColour, secFont);
  // Last, so that a failing key stops the keys every version writes where it always did.
  writeAdded(secForm, keyResume, values.resumeAtClose ? "1" : "0", "0");
  writeAdded(secForm, "topmost", values.topmost ? "1" : "0", "0");
  writeAdded(secNew, "encoding", encodingName(values.newDocumentEncoding), encodingName(TextEncoding::ShiftJis));
}

void Settings::fontKaku(const Font& font, Colour backColour, const std::string& section) {
  writeInt(section, "charset", font.charset);
  writeInt(section, "color", static_cast<std::int32_t>(font.color));
  writeInt(section, "height", font.height());
  write(section, "name", font.name);
  writeInt(section, "pitch", static_cast<int>(font.pitch));
  writeInt(section, "size", font.size());
  writeInt(section, "bold", font.style.bold ? 1 : 0);
  writeInt(section, "italic", font.style.italic ? 1 : 0);
  writeInt(section, "underline", font.style.underline ? 1 : 0);
  writeInt(section, "strikeout", font.style.strikeOut ? 1 : 0);
  writeInt(section, "backcolor", static_cast<std::int32_t>(backColour));
}

}  // namespace kakipo
