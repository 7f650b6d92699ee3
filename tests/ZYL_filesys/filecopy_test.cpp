#include "ZYL_filesys/filecopy.h"

#include <filesystem>
#include <future>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/os.h"

#include "filetree.h"
#include "platform/exceptions.h"
#include "support/tempdir.h"

namespace ZYL_filesys {
namespace {

constexpr bool kWindows = zyl::platform::kOsFamily == zyl::platform::OsFamily::Windows;

namespace fs = std::filesystem;
using zyl::test::lib_path;
using zyl::test::read_file_bytes;
using zyl::test::snapshot;
using zyl::test::write_file_bytes;
using Calls = std::vector<std::pair<std::int64_t, std::int64_t>>;

// A callback written for 32-bit counts still fits.
using OldStyleFeedback = void (*)(std::int32_t, std::int32_t);
static_assert(std::is_constructible_v<TFileCopyFeedBack, OldStyleFeedback>);

std::string pattern(std::size_t Size) {
  std::string s(Size, '\0');
  for (std::size_t i = 0; i < Size; ++i) s[i] = static_cast<char>(i * 7 + i / 251);
  return s;
}

// The reports a complete copy of Size bytes makes: the first, one before
// each block (the last block is the short one, possibly empty), the final.
Calls expected_calls(std::int64_t Size) {
  Calls calls{{0, Size}};
  for (std::int64_t before = 0;; before += kCopyBlockSize) {
    calls.emplace_back(before, Size);
    if (Size - before < kCopyBlockSize) break;
  }
  calls.emplace_back(Size, Size);
  return calls;
}

class FileCopyTest : public zyl::test::TempDirTest {
 protected:
  fs::path at(const char* Name) const { return tmp.path() / Name; }
};

TEST_F(FileCopyTest, CopiesBytesAndDateWithOneReportPerBlock) {
  const std::int64_t sizes[] = {0, 1, 8192, kCopyBlockSize - 1, kCopyBlockSize, kCopyBlockSize + 1,
                                2 * kCopyBlockSize};
  for (const std::int64_t size : sizes) {
    SCOPED_TRACE(size);
    const std::string data = pattern(static_cast<std::size_t>(size));
    write_file_bytes(at("src.bin"), data);
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(50);
    fs::last_write_time(at("src.bin"), stamp);
    Calls calls;
    EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.bin")), lib_path(at("dst.bin")), false,
                             [&](std::int64_t b, std::int64_t s) { calls.emplace_back(b, s); }),
              0);
    EXPECT_EQ(read_file_bytes(at("dst.bin")), data);
    EXPECT_EQ(fs::last_write_time(at("dst.bin")), fs::last_write_time(at("src.bin")));
    EXPECT_EQ(calls, expected_calls(size));
  }
  EXPECT_EQ(snapshot(tmp.path()).size(), 2u) << "no temporary file is left behind";
}

TEST_F(FileCopyTest, DestinationDirectoryTakesTheSourceName) {
  write_file_bytes(at("a.txt"), "alpha");
  fs::create_directory(at("into"));
  for (const char* dest : {"into", "into/"}) {
    fs::remove(at("into") / "a.txt");
    EXPECT_EQ(FileCopyFeedBk(lib_path(at("a.txt")), lib_path(at(dest)), false, nullptr), 0);
    EXPECT_EQ(read_file_bytes(at("into") / "a.txt"), "alpha") << dest;
  }
}

TEST_F(FileCopyTest, CopyOntoItselfTouchesNothing) {
  write_file_bytes(at("same.txt"), "keep");
  const auto before = fs::last_write_time(at("same.txt"));
  int calls = 0;
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("same.txt")), lib_path(at("same.txt")), false,
                           [&](std::int64_t, std::int64_t) { ++calls; }),
            0);
  EXPECT_EQ(read_file_bytes(at("same.txt")), "keep");
  EXPECT_EQ(fs::last_write_time(at("same.txt")), before);
  EXPECT_EQ(calls, 0);
}

TEST_F(FileCopyTest, FailuresLeaveTheDestinationAsItWas) {
  write_file_bytes(at("src.txt"), "new contents");
  write_file_bytes(at("dst.txt"), "old");
  EXPECT_THROW(FileCopyFeedBk(lib_path(at("missing.txt")), lib_path(at("dst.txt")), false, nullptr),
               zyl::EInOutError);
  EXPECT_EQ(read_file_bytes(at("dst.txt")), "old");

  write_file_bytes(at("locked.txt"), "old");
  zyl::test::set_read_only(at("locked.txt"), true);
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.txt")), lib_path(at("locked.txt")), false, nullptr), -2);
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.txt")), lib_path(at("no-dir/x.txt")), false, nullptr), -2);
  zyl::test::set_read_only(at("locked.txt"), false);
  EXPECT_EQ(read_file_bytes(at("locked.txt")), "old");
  EXPECT_EQ(snapshot(tmp.path()).size(), 3u) << "nothing created, no temporary file left";
}

TEST_F(FileCopyTest, ReplacesAnExistingDestinationWhole) {
  write_file_bytes(at("src.txt"), "short");
  write_file_bytes(at("dst.txt"), "a much longer old content");
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.txt")), lib_path(at("dst.txt")), false, nullptr), 0);
  EXPECT_EQ(read_file_bytes(at("dst.txt")), "short");
}

TEST_F(FileCopyTest, AbortFromTheCallbackLeavesTheDestinationUnchanged) {
  write_file_bytes(at("src.bin"), pattern(3 * kCopyBlockSize));
  write_file_bytes(at("dst.bin"), "previous");
  Calls calls;
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.bin")), lib_path(at("dst.bin")), false,
                           [&](std::int64_t b, std::int64_t s) {
                             calls.emplace_back(b, s);
                             if (calls.size() == 2) AbortAnyFileCopying();
                           }),
            0);
  EXPECT_TRUE(FileCopyingAborted());
  EXPECT_EQ(read_file_bytes(at("dst.bin")), "previous");
  const std::int64_t size = 3 * kCopyBlockSize;
  EXPECT_EQ(calls, (Calls{{0, size}, {0, size}, {kCopyBlockSize, size}})) << "stopped after one block";
  EXPECT_EQ(snapshot(tmp.path()).size(), 2u);

  // The next copy starts afresh.
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("src.bin")), lib_path(at("dst.bin")), false, nullptr), 0);
  EXPECT_FALSE(FileCopyingAborted());
  EXPECT_EQ(read_file_bytes(at("dst.bin")).size(), static_cast<std::size_t>(size));
}

TEST_F(FileCopyTest, AbortFromAnotherThread) {
  write_file_bytes(at("src.bin"), pattern(4 * kCopyBlockSize));
  std::promise<void> copying, aborted;
  std::thread other([&] {
    copying.get_future().wait();
    AbortAnyFileCopying();
    aborted.set_value();
  });
  auto aborted_seen = aborted.get_future();
  int blocks = 0;
  const std::int32_t rc = FileCopyFeedBk(lib_path(at("src.bin")), lib_path(at("dst.bin")), false,
                                         [&](std::int64_t b, std::int64_t s) {
                                           if (b == 0 && s > 0 && ++blocks == 2) {
                                             copying.set_value();
                                             aborted_seen.wait();
                                           }
                                         });
  other.join();
  EXPECT_EQ(rc, 0);
  EXPECT_FALSE(fs::exists(at("dst.bin"))) << "a new destination is not created by an aborted copy";
  EXPECT_EQ(snapshot(tmp.path()).size(), 1u);
}

TEST_F(FileCopyTest, LargeSizesAreReportedWhole) {
  // A sparse file of 3 GiB: its size must not wrap in the reports.
  const std::int64_t size = std::int64_t{3} << 30;
  write_file_bytes(at("big.bin"), "");
  fs::resize_file(at("big.bin"), static_cast<std::uintmax_t>(size));
  std::int64_t first = 0;
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("big.bin")), lib_path(at("copy.bin")), false,
                           [&](std::int64_t, std::int64_t s) {
                             if (first == 0) first = s;
                             AbortAnyFileCopying();
                           }),
            0);
  EXPECT_EQ(first, size);
  EXPECT_FALSE(fs::exists(at("copy.bin")));
}

TEST_F(FileCopyTest, AttributesAreCopiedWithoutTheReadOnlyBit) {
  write_file_bytes(at("ro.txt"), "r");
  zyl::test::set_read_only(at("ro.txt"), true);
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("ro.txt")), lib_path(at("with.txt")), true, nullptr), 0);
  EXPECT_EQ(FileCopyFeedBk(lib_path(at("ro.txt")), lib_path(at("without.txt")), false, nullptr), 0);
  EXPECT_FALSE(zyl::test::is_read_only(at("with.txt")));
  // Without the flag Windows gives an ordinary new file; POSIX gives the
  // source's permission bits (less the umask), never more than it grants.
  EXPECT_EQ(zyl::test::is_read_only(at("without.txt")), !kWindows);
  EXPECT_EQ(read_file_bytes(at("with.txt")), "r");
}

}  // namespace
}  // namespace ZYL_filesys
