// The bytes of a plain-text document as they were read, so that saving writes back exactly those
// bytes for every line the user left alone, in whatever encoding the file is: its mark, its line
// breaks (CR LF, CR or LF, each line its own), a UTF-16 file's odd last byte, and the one of two
// codes for the same character (CP932's NEC and IBM duplicates) that the file used.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_encoding.h"

namespace kakipo {

class PlainTextOriginal {
 public:
  // The whole file as read or written, its byte-order mark included, in `encoding`.
  void remember(std::string bytes, TextEncoding encoding);
  void forget();
  bool holds() const { return held_; }
  // What to write for the document's text (CR LF line breaks) in `encoding`: the mark the file had
  // and the original bytes of every line in the unchanged head and tail of the document, the text
  // encoded elsewhere. In another encoding than the one remembered, that encoding's own mark and
  // the text encoded. Linear in the size.
  std::string bytesFor(std::string_view text, TextEncoding encoding) const;

  // A line of a file (without its mark), in bytes: [start, breakAt) is its text, [breakAt, end)
  // its own break (CR LF, CR, LF, or nothing on the last line). In UTF-16 they are units.
  struct Line {
    std::size_t start, breakAt, end;
  };
  static std::vector<Line> splitFileLines(std::string_view bytes, TextEncoding encoding);

 private:
  bool held_ = false;
  TextEncoding encoding_ = TextEncoding::ShiftJis;
  std::string mark_;
  std::string bytes_;     // without the mark and a UTF-16 file's odd last byte
  std::string oddByte_;   // that byte, if any
  std::vector<Line> segments_;
  // The text each line reads as, one after the other, and where each begins (one more: the end).
  std::string decoded_;
  std::vector<std::size_t> decodedStarts_;
  std::string_view decodedLine(std::size_t i) const {
    return std::string_view(decoded_).substr(decodedStarts_[i], decodedStarts_[i + 1] - decodedStarts_[i]);
  }
};

}  // namespace kakipo
