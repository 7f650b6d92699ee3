// Library: zyl / Package: ZYL_dstruct / Module: crc32
#include "ZYL_dstruct/crc32.h"

#include <algorithm>
#include <memory>

#include "ZYL_dstruct/detail/crc32_impl.h"
#include "platform/file.h"
#include "platform/filestream.h"

namespace ZYL_dstruct {
namespace {

// Large enough to make system calls rare, small enough that the block is
// still in the cache when the CRC reads it.
constexpr std::size_t kFileBlock = 128 * 1024;

}  // namespace

std::int32_t CalcNextCRC32(std::uint8_t b, std::int32_t crc) noexcept {
  const auto c = static_cast<std::uint32_t>(crc);
  return static_cast<std::int32_t>(detail::crc32_tables[0][(c ^ b) & 0xFF] ^ (c >> 8));
}

std::int32_t CRC32ofBuffer(std::span<const std::uint8_t> Buffer, std::int32_t len) noexcept {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max(len, 0)), Buffer.size());
  return static_cast<std::int32_t>(~detail::crc32_update(0xFFFFFFFFu, Buffer.data(), n));
}

std::int32_t CalcCRC32ofFile(const zyl::String& FileName) noexcept {
  try {
    int error = 0;
    // Sharing everything lets files that others hold open (logs) be checked.
    zyl::platform::FileHandle file = zyl::platform::open_file(
        FileName, zyl::platform::FileAccess::Read, zyl::platform::FileDisposition::OpenExisting,
        zyl::fmShareDenyNone, error);
    if (!file.valid()) return 0;
    const auto block = std::make_unique_for_overwrite<std::uint8_t[]>(kFileBlock);
    std::uint32_t crc = 0xFFFFFFFFu;
    for (;;) {
      const std::int64_t got = zyl::platform::read_file(file, block.get(), kFileBlock, error);
      if (got < 0) return 0;
      if (got == 0) break;
      crc = detail::crc32_update(crc, block.get(), static_cast<std::size_t>(got));
    }
    if (file.close() != 0) return 0;
    return static_cast<std::int32_t>(~crc);
  } catch (...) {
    // Only the block allocation can throw; like any other failure it gives 0.
    return 0;
  }
}

}  // namespace ZYL_dstruct
