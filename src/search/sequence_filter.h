// Finds the places in a buffer where a few bytes at given distances hold given values, sixteen
// places at a time where the CPU has a vector unit: the skip that lets fuzzy search compare its
// pattern only where some spelling of it could begin.
#pragma once

namespace kakipo {

class SequenceFilter {
 public:
  static constexpr int maxSequences = 8;
  static constexpr int maxTests = 3;
  static constexpr int maxFollowValues = 4;
  static constexpr int maxOffset = 64;

  // One byte of a sequence: the byte `offset` bytes after the place, b, passes when
  // (b | mask) == (value | mask) (a mask of 0x20 takes a capital and its small letter together).
  struct Test {
    int offset;
    unsigned char value;
    unsigned char mask;
  };
  // A place passes when all the tests of one sequence pass (1 to maxTests of them, offsets
  // below maxOffset). False when the filter is full.
  bool add(const Test* tests, int count);
  // And, when there is one, when the byte `offset` bytes after it is one of `values` (1 to
  // maxFollowValues).
  void follow(int offset, const unsigned char* values, int count);

  // Asked of each place that passes, in the order of the scan, until it answers true.
  struct Accept {
    bool (*accepts)(void* context, int at);
    void* context;
    bool operator()(int at) const { return accepts(context, at); }
  };

  // The first place in [from, to] that passes and is accepted, or -1. A sequence (or the follow
  // column) that would read past the end of the buffer does not pass there.
  int next(const unsigned char* buffer, int length, int from, int to, Accept accept) const;
  // The last such place in [downTo, from], or -1.
  int previous(const unsigned char* buffer, int length, int from, int downTo, Accept accept) const;

  // Sixteen copies of a byte, ready for the vector compares.
  struct Lane {
    alignas(16) unsigned char bytes[16];
  };
  struct Sequence {
    int reach;  // the furthest offset of its tests
    int offsets[maxTests];
    Lane values[maxTests];  // value | mask
    Lane masks[maxTests];
  };
  struct Follow {
    int offset = -1;  // none
    Lane values[maxFollowValues];
  };

 private:
  bool passes(const unsigned char* buffer, int length, int at) const;

  Sequence sequences_[maxSequences] = {};
  int count_ = 0;
  int tests_ = 1;        // the most tests of any sequence; the others repeat their last
  bool masked_ = false;  // some test has a mask
  int reach_ = 0;        // the furthest byte after a place that a test reads
  Follow follow_;
};

}  // namespace kakipo
