// The document as a recovery file keeps it, and the file's bytes: a header naming the format and
// its version, the document's name, mode, encoding and caret, then the content and its checksum.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace kakipo {

struct RecoverySnapshot {
  // RTF for a rich-text document; for plain text the text as UTF-8, which keeps characters the
  // document's own encoding cannot.
  std::string content;
  std::string fileName;  // empty for an untitled document
  bool plainText = true;
  std::string encoding;  // the plain-text document's encoding, e.g. "Shift_JIS"
  int caret = 0;         // an offset into the text as the Editor port counts it
  // Kept at a close that asked nothing, to go on with at the next start: restored without asking.
  bool resume = false;
  friend bool operator==(const RecoverySnapshot&, const RecoverySnapshot&) = default;
};

// Costs one pass over the content: run it on the worker that writes the file.
std::string encodeRecoveryFile(const RecoverySnapshot& snapshot);
// Throws Error for anything that is not a whole recovery file of this version: another program's
// file, one cut short, one with a byte changed.
RecoverySnapshot parseRecoveryFile(std::string_view bytes);

}  // namespace kakipo
