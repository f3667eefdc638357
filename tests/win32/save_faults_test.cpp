// Saving that survives failure, on real files under Wine: every system call of a save and every
// 4 KiB of its writes made to fail in turn, ReplaceFile giving up half-way, targets that must be
// written in place. The old file is byte-identical after every failure; so is the previous
// recovery file after a recovery write that fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/errors.h"
#include "win32/encoding.h"
#include "win32/files.h"
#include "win32/recovery_files.h"

namespace kakipo::win32 {
namespace {

// Counts every call a save makes and fails the one asked for, or the one write that crosses a
// byte count (after writing what fits). One fault per save: the calls after it work again.
class FaultyCalls : public FileCalls {
 public:
  int failAt = -1;
  long long failAfterBytes = -1;
  bool injected = false;
  int calls = 0;
  long long written = 0;
  std::string failedStep;

  bool makeTempFile(const std::wstring& folder, const wchar_t* prefix, std::wstring& name) override {
    return step("makeTempFile") && FileCalls::makeTempFile(folder, prefix, name);
  }
  HANDLE open(const std::wstring& name, DWORD access, DWORD share, DWORD disposition) override {
    return step("open") ? FileCalls::open(name, access, share, disposition) : INVALID_HANDLE_VALUE;
  }
  bool close(HANDLE file) override {
    const bool closed = FileCalls::close(file);  // a failed close must not keep the file locked
    return step("close") && closed;
  }
  bool write(HANDLE file, const char* data, DWORD length) override {
    if (!step("write")) return false;
    if (failAfterBytes >= 0 && !injected && written + length > failAfterBytes) {
      const auto part = static_cast<DWORD>(failAfterBytes - written);
      if (part > 0) FileCalls::write(file, data, part);
      written = failAfterBytes;
      injected = true;
      failedStep = "write at " + std::to_string(failAfterBytes);
      return false;
    }
    written += length;
    return FileCalls::write(file, data, length);
  }
  bool read(HANDLE file, char* data, DWORD length, DWORD& got) override {
    return step("read") && FileCalls::read(file, data, length, got);
  }
  bool flush(HANDLE file) override { return step("flush") && FileCalls::flush(file); }
  bool rewind(HANDLE file) override { return step("rewind") && FileCalls::rewind(file); }
  bool setLength(HANDLE file, std::uint64_t size) override { return step("setLength") && FileCalls::setLength(file, size); }
  DWORD linkCount(HANDLE file) override { return step("linkCount") ? FileCalls::linkCount(file) : 0; }
  DWORD replace(const std::wstring& t, const std::wstring& r, const std::wstring& b) override {
    return step("replace") ? FileCalls::replace(t, r, b) : ERROR_DISK_FULL;
  }
  bool move(const std::wstring& from, const std::wstring& to) override {
    return step("move") && FileCalls::move(from, to);
  }
  bool remove(const std::wstring& name) override { return step("remove") && FileCalls::remove(name); }
  DWORD attributes(const std::wstring& name) override {
    return step("attributes") ? FileCalls::attributes(name) : INVALID_FILE_ATTRIBUTES;
  }
  bool setAttributes(const std::wstring& name, DWORD a) override {
    return step("setAttributes") && FileCalls::setAttributes(name, a);
  }

 private:
  bool step(const char* what) {
    if (calls++ != failAt) return true;
    injected = true;
    failedStep = what;
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
};

// ReplaceFile failing the ways the system documents, with the effect each has on the files.
class HalfDoneReplace : public FaultyCalls {
 public:
  DWORD error = 0;
  bool movesOldAway = false;  // the old file went to the backup name, the new one stayed put
  DWORD replace(const std::wstring& target, const std::wstring&, const std::wstring& backup) override {
    if (movesOldAway) MoveFileExW(target.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING);
    return error;
  }
};

class SaveFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    folderW_ = std::wstring(tmp) + L"kakipo_faults_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
               std::to_wstring(counter_++);
    CreateDirectoryW(folderW_.c_str(), nullptr);
    target_ = narrow(folderW_) + "\\メモ.txt";
  }
  void TearDown() override {
    for (const auto& f : files()) {
      const std::wstring p = folderW_ + L"\\" + f;
      SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(p.c_str());
    }
    RemoveDirectoryW(folderW_.c_str());
  }
  std::vector<std::wstring> files() const {
    std::vector<std::wstring> out;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folderW_ + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return out;
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) out.push_back(fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return out;
  }
  void put(const std::string& bytes) {
    HANDLE h = CreateFileW(widen(target_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(h);
  }
  std::string contents() {
    HANDLE h = CreateFileW(widen(target_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out(1 << 20, '\0');
    DWORD n = 0;
    ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &n, nullptr);
    CloseHandle(h);
    out.resize(n);
    return out;
  }
  // Removes what a failed save may leave on purpose (a temporary file it could not delete) so
  // the next round starts clean; true when only the target was there.
  bool onlyTheTargetLeft() {
    bool only = true;
    for (const auto& f : files()) {
      if (f == L"メモ.txt") continue;
      only = false;
      DeleteFileW((folderW_ + L"\\" + f).c_str());
    }
    return only;
  }

  // Runs a save failing at each call in turn until one runs through without a failure. Each
  // failure must report the save's text and leave the old content (or no file) as it was.
  int everyCallFailing(const std::string* old, const std::string& fresh, HANDLE (*hold)(const std::wstring&)) {
    int rounds = 0;
    for (int k = 0;; ++k, ++rounds) {
      if (old)
        put(*old);
      else
        DeleteFileW(widen(target_).c_str());
      HANDLE held = hold ? hold(widen(target_)) : nullptr;
      FaultyCalls calls;
      calls.failAt = k;
      Win32Files files(calls);
      std::string error;
      try {
        files.writeAll(target_, fresh);
      } catch (const Error& e) {
        error = e.what();
      }
      if (held) CloseHandle(held);
      const std::string now = contents();
      if (!error.empty()) {
        EXPECT_EQ(error, cannotCreateMessage(target_)) << calls.failedStep;
        EXPECT_TRUE(now == (old ? *old : "<missing>")) << "failed at call " << k << ": " << calls.failedStep;
      } else {
        EXPECT_TRUE(now == fresh) << "failed at call " << k << ": " << calls.failedStep;
      }
      const bool clean = onlyTheTargetLeft();
      // Only a temporary file that could not be deleted may stay behind.
      if (calls.failedStep != "remove") {
        EXPECT_TRUE(clean) << "call " << k << ": " << calls.failedStep;
      }
      if (!calls.injected) return rounds;
      if (k > 200) ADD_FAILURE() << "save never ran through";
      if (k > 200) return rounds;
    }
  }

  int every4KiB(const std::string& old, const std::string& fresh, HANDLE (*hold)(const std::wstring&)) {
    int rounds = 0;
    for (long long at = 0;; at += 4096, ++rounds) {
      put(old);
      HANDLE held = hold ? hold(widen(target_)) : nullptr;
      FaultyCalls calls;
      calls.failAfterBytes = at;
      Win32Files files(calls);
      bool failed = false;
      try {
        files.writeAll(target_, fresh);
      } catch (const Error& e) {
        failed = true;
        EXPECT_EQ(std::string(e.what()), cannotCreateMessage(target_));
      }
      if (held) CloseHandle(held);
      EXPECT_TRUE(contents() == (failed ? old : fresh)) << "write failing at " << at;
      EXPECT_TRUE(onlyTheTargetLeft()) << "write failing at " << at;
      if (!calls.injected) return rounds;
    }
  }

  std::wstring folderW_;
  std::string target_;
  static inline int counter_ = 0;
};

std::string pattern(std::size_t n, char seed) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(seed + i * 7 % 251);
  return s;
}

// Another program reading the file and letting others write, but not delete or rename it.
HANDLE holdWithoutDeleteSharing(const std::wstring& name) {
  return CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

TEST_F(SaveFaultsTest, ReplacingFailingAtEveryCallLeavesTheOldFile) {
  const std::string old = pattern(10000, 'o');
  EXPECT_GT(everyCallFailing(&old, pattern(20000, 'n'), nullptr), 8);
}

TEST_F(SaveFaultsTest, NewFileFailingAtEveryCallLeavesNoFile) {
  EXPECT_GT(everyCallFailing(nullptr, pattern(5000, 'n'), nullptr), 4);
}

TEST_F(SaveFaultsTest, InPlaceWriteFailingAtEveryCallLeavesTheOldFile) {
  const std::string old = pattern(9000, 'o');
  EXPECT_GT(everyCallFailing(&old, pattern(13000, 'n'), holdWithoutDeleteSharing), 15);
}

TEST_F(SaveFaultsTest, WritesFailingAtEvery4KiBLeaveTheOldFile) {
  const std::string old = pattern(10000, 'o');
  // The temporary file's 20 KiB: six failure points.
  EXPECT_EQ(every4KiB(old, pattern(20000, 'n'), nullptr), 5);
  // In place: the new content beside it, the old one beside it, then the target itself.
  EXPECT_EQ(every4KiB(old, pattern(20000, 'n'), holdWithoutDeleteSharing), 13);
}

TEST_F(SaveFaultsTest, FileHeldWithoutDeleteSharingIsWrittenInPlace) {
  put("old and longer than the new");
  HANDLE other = holdWithoutDeleteSharing(widen(target_));
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  Win32Files().writeAll(target_, "new");
  // The other program sees the new content through the handle it already had.
  char buf[64] = {};
  DWORD n = 0;
  SetFilePointer(other, 0, nullptr, FILE_BEGIN);
  ReadFile(other, buf, sizeof buf, &n, nullptr);
  CloseHandle(other);
  EXPECT_EQ(std::string(buf, n), "new");
  EXPECT_EQ(contents(), "new");
  EXPECT_TRUE(onlyTheTargetLeft());
}

TEST_F(SaveFaultsTest, HardLinkedFileIsWrittenInPlaceSoEveryNameSeesIt) {
  put("old");
  const std::wstring other = folderW_ + L"\\link.txt";
  if (!CreateHardLinkW(other.c_str(), widen(target_).c_str(), nullptr)) GTEST_SKIP() << "no hard links here";
  Win32Files().writeAll(target_, "new content");
  EXPECT_EQ(contents(), "new content");
  HANDLE h = CreateFileW(other.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  char buf[64] = {};
  DWORD n = 0;
  ReadFile(h, buf, sizeof buf, &n, nullptr);
  CloseHandle(h);
  EXPECT_EQ(std::string(buf, n), "new content");
  DeleteFileW(other.c_str());
}

TEST_F(SaveFaultsTest, RecoveryWriteFailingAnywhereLeavesThePreviousOneAndTheUsersFile) {
  put("the user's own file");
  const RecoverySnapshot before{"kept before", "", true, "Shift_JIS", 2};
  const RecoverySnapshot after{pattern(20000, 'n'), target_, true, "Shift_JIS", 7};
  // One store per write, as each instance has one; all of this process share one file.
  const auto writeWith = [&](FileCalls& calls, const RecoverySnapshot& snapshot) {
    RecoveryFiles store(folderW_, nullptr, 0, calls);
    store.write(snapshot);
    store.finish();
    const std::vector<bool> results = store.takeResults();
    EXPECT_EQ(results.size(), 1u) << "each write reports once";
    return results == std::vector<bool>{true};
  };
  FileCalls working;
  RecoveryFiles reader(folderW_, nullptr, 0);
  int failures = 0;
  for (const bool byBytes : {false, true}) {
    for (int k = 0; k < 200; ++k) {
      ASSERT_TRUE(writeWith(working, before));
      FaultyCalls calls;
      if (byBytes)
        calls.failAfterBytes = 4096LL * k;
      else
        calls.failAt = k;
      const bool ok = writeWith(calls, after);
      EXPECT_TRUE(reader.read(reader.ownId()) == encodeRecoveryFile(ok ? after : before)) << calls.failedStep;
      EXPECT_EQ(contents(), "the user's own file");
      EXPECT_EQ(files().size(), 2u) << "only the user's file and the recovery file stay: " << calls.failedStep;
      if (!calls.injected) break;
      ++failures;
      EXPECT_FALSE(ok) << calls.failedStep;
    }
  }
  EXPECT_GT(failures, 10);
}

struct HalfDone {
  DWORD error;
  bool movesOldAway;
};

class ReplaceGivesUpTest : public SaveFaultsTest, public ::testing::WithParamInterface<HalfDone> {};

TEST_P(ReplaceGivesUpTest, SaveIsFinishedOrTheOldFilePutBack) {
  const std::string old = pattern(6000, 'o');
  const std::string fresh = pattern(7000, 'n');
  {
    put(old);
    HalfDoneReplace calls;
    calls.error = GetParam().error;
    calls.movesOldAway = GetParam().movesOldAway;
    Win32Files(calls).writeAll(target_, fresh);
    EXPECT_EQ(contents(), fresh);
    EXPECT_TRUE(onlyTheTargetLeft());
  }
  // And when the recovery fails at any of its own calls, the old file is there as it was.
  for (int k = 0;; ++k) {
    put(old);
    HalfDoneReplace calls;
    calls.error = GetParam().error;
    calls.movesOldAway = GetParam().movesOldAway;
    calls.failAt = k;
    bool failed = false;
    try {
      Win32Files(calls).writeAll(target_, fresh);
    } catch (const Error&) {
      failed = true;
    }
    EXPECT_TRUE(contents() == (failed ? old : fresh)) << "call " << k << ": " << calls.failedStep;
    onlyTheTargetLeft();
    if (!calls.injected || k > 100) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Errors, ReplaceGivesUpTest,
                         ::testing::Values(HalfDone{ERROR_UNABLE_TO_MOVE_REPLACEMENT, false},
                                           HalfDone{ERROR_UNABLE_TO_MOVE_REPLACEMENT, true},
                                           HalfDone{ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, true},
                                           HalfDone{ERROR_UNABLE_TO_REMOVE_REPLACED, false},
                                           HalfDone{ERROR_SHARING_VIOLATION, false}));

}  // namespace
}  // namespace kakipo::win32
