// The bytes of a plain-text document as they were read, so that saving writes back exactly those
// bytes for every line the user left alone, in whatever encoding the file is. The editor holds
// Unicode, and some bytes (CP932's NEC and IBM duplicates and undefined codes, invalid UTF-8, bare
// CR or LF, a lone lead byte) do not survive the trip.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text_encoding.h"

namespace kakipo {

class PlainTextOriginal {
 public:
  // bytes: the whole file as read or written, its byte-order mark included; rendition: the
  // editor's plain text in the same encoding right after (the same document as the editor saves
  // it, without a mark).
  void remember(std::string bytes, const std::string& rendition, TextEncoding encoding = TextEncoding::ShiftJis);
  void forget();
  // True when every line of the bytes was matched to its line in the editor, so that lines left
  // alone keep their bytes after edits elsewhere.
  bool linesPaired() const { return !lines_.empty(); }
  // What to write for the editor's current plain text in `encoding`: the mark the file had and
  // the original bytes of every line in the unchanged head and tail of the document, the current
  // text elsewhere. In another encoding than the one remembered, that encoding's own mark and the
  // current text. Linear in the size.
  std::string bytesFor(const std::string& rendition, TextEncoding encoding = TextEncoding::ShiftJis) const;

  // A line of the bytes as the editor splits them, in bytes: [start, breakAt) is its text,
  // [breakAt, end) its own break (CR LF, CR, LF or nothing on the last line).
  struct Line {
    std::size_t start, breakAt, end;
  };
  // The lines of a file (without its mark) the way the editor reads it: CR, LF and CR LF end a
  // line, CR CR LF is a blank within one; in CP932 a lead byte takes the next byte as its trail (a
  // CR or LF too), except a NUL or the end; in UTF-16 they are units.
  static std::vector<Line> splitFileLines(std::string_view bytes, TextEncoding encoding = TextEncoding::ShiftJis);

 private:
  bool held_ = false;
  TextEncoding encoding_ = TextEncoding::ShiftJis;
  std::string mark_;
  std::string bytes_;  // without the mark
  std::string rendition_;
  // The file's lines and the editor's, when they pair one to one; empty when they cannot be
  // paired safely.
  std::vector<Line> segments_;
  std::vector<std::pair<std::size_t, std::size_t>> lines_;  // start and length in rendition_
  std::string_view line(std::size_t i) const {
    return std::string_view(rendition_).substr(lines_[i].first, lines_[i].second);
  }
};

}  // namespace kakipo
