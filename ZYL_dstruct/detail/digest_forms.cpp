// Library: zyl / Package: ZYL_dstruct / Module: detail/digest_forms
#include "ZYL_dstruct/detail/digest_forms.h"

#include "ZYL_dstruct/detail/stream_blocks.h"
#include "platform/filestream.h"

namespace ZYL_dstruct::detail {
namespace {

// Block size for streams that offer no window to read from.
constexpr std::int32_t kStreamBlock = 64 * 1024;

}  // namespace

void for_each_utf16le_piece(const zyl::String& s, const piece_fn& take) {
  std::uint8_t bytes[512];
  std::size_t fill = 0;
  for (const zyl::Char c : s) {
    bytes[fill++] = static_cast<std::uint8_t>(c & 0xFF);
    bytes[fill++] = static_cast<std::uint8_t>(c >> 8);
    if (fill == sizeof bytes) {
      take({bytes, fill});
      fill = 0;
    }
  }
  if (fill > 0) take({bytes, fill});
}

void for_each_stream_piece(zyl::TStream& stream, const piece_fn& take) {
  // Memory and file streams are hashed in place, without copying.
  window_reader in(stream, kStreamBlock);
  for (auto piece = in.next(); !piece.empty(); piece = in.next()) take(piece);
}

void for_each_file_piece(const zyl::String& file_name, const piece_fn& take) {
  zyl::TFileStream file(file_name, zyl::fmOpenRead | zyl::fmShareDenyNone);
  for_each_stream_piece(file, take);
}

zyl::String digest_to_hex(std::span<const std::uint8_t> digest) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  zyl::String hex(2 * digest.size(), u'0');
  for (std::size_t i = 0; i < digest.size(); ++i) {
    hex[2 * i] = kHex[digest[i] >> 4];
    hex[2 * i + 1] = kHex[digest[i] & 15];
  }
  return hex;
}

}  // namespace ZYL_dstruct::detail
