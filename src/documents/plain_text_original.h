// The bytes of a plain-text document as they were read, so that saving writes back exactly those
// bytes for every line the user left alone. The editor holds Unicode, and some CP932 bytes (NEC
// and IBM duplicates, undefined codes, bare CR or LF, a lone lead byte) do not survive the trip.
#pragma once
#include <string>
#include <vector>

namespace kakipo {

class PlainTextOriginal {
 public:
  // bytes: what was read or written; rendition: the editor's plain text right after (the same
  // document as the editor saves it).
  void remember(std::string bytes, const std::string& rendition);
  void forget();
  bool holds() const { return held_; }
  // What to write for the editor's current plain text: the original bytes of every line in the
  // unchanged head and tail of the document, the current text elsewhere. Linear in the size.
  std::string bytesFor(const std::string& rendition) const;

 private:
  bool held_ = false;
  std::string bytes_;
  std::string rendition_;
  // Each line of bytes_ with its own line break, when they pair one to one with the lines of
  // rendition_; empty when they cannot be paired safely.
  std::vector<std::string> segments_;
  std::vector<std::string> lines_;
};

}  // namespace kakipo
