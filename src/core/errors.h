// Failures carry their message as the program's text, ready for the general error box. An open failure is
// a type of its own so that callers can tell it from every other failure.
#pragma once
#include <stdexcept>
#include <string>

namespace kakipo {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class OpenError : public Error {
 public:
  using Error::Error;
};

// The editor cannot hold the whole document (its text limit). Thrown by Editor::load, which then
// holds no part of the document that could pass for the whole.
class DocumentTooLarge : public Error {
 public:
  using Error::Error;
};

// The user stopped a load at the progress dialog. Not a failure to report: the document is as it was.
class LoadCancelled : public Error {
 public:
  LoadCancelled() : Error("") {}
};

}  // namespace kakipo
