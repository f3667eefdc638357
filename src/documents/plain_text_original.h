// The bytes of a plain-text document as they were read, so that saving writes back exactly those
// bytes for every line the user left alone. The editor holds Unicode, and some CP932 bytes (NEC
// and IBM duplicates, undefined codes, bare CR or LF, a lone lead byte) do not survive the trip.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kakipo {

class PlainTextOriginal {
 public:
  // bytes: what was read or written; rendition: the editor's plain text right after (the same
  // document as the editor saves it).
  void remember(std::string bytes, const std::string& rendition);
  void forget();
  // True when every line of the bytes was matched to its line in the editor, so that lines left
  // alone keep their bytes after edits elsewhere.
  bool linesPaired() const { return !lines_.empty(); }
  // What to write for the editor's current plain text: the original bytes of every line in the
  // unchanged head and tail of the document, the current text elsewhere. Linear in the size.
  std::string bytesFor(const std::string& rendition) const;

  // A line of the bytes as the editor splits them: [start, breakAt) is its text, [breakAt, end)
  // its own break (CR LF, CR, LF or nothing on the last line).
  struct Line {
    std::size_t start, breakAt, end;
  };
  // The lines of a CP932 file the way the editor reads it: a lead byte takes the next byte as its
  // trail (a CR or LF too), except a NUL or the end; CR CR LF is a blank within a line.
  static std::vector<Line> splitFileLines(std::string_view bytes);

 private:
  bool held_ = false;
  std::string bytes_;
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
