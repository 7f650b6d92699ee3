// Library: zyl / Package: ZYL_dstruct / Module: sha1
#include "ZYL_dstruct/sha1.h"

#include "ZYL_dstruct/detail/sha1_impl.h"
#include "ZYL_dstruct/detail/stream_blocks.h"
#include "platform/filestream.h"

namespace ZYL_dstruct {
namespace {

// Block size for streams that offer no window to read from.
constexpr std::int32_t kStreamBlock = 64 * 1024;

}  // namespace

TSHACode SHA1FromString(const zyl::String& s) {
  detail::sha1_context ctx;
  std::uint8_t bytes[512];
  std::size_t fill = 0;
  for (const zyl::Char c : s) {
    bytes[fill++] = static_cast<std::uint8_t>(c & 0xFF);
    bytes[fill++] = static_cast<std::uint8_t>(c >> 8);
    if (fill == sizeof bytes) {
      ctx.update(bytes, fill);
      fill = 0;
    }
  }
  ctx.update(bytes, fill);
  return ctx.finish();
}

TSHACode SHA1FromStream(zyl::TStream& Stream) {
  detail::sha1_context ctx;
  // Memory and file streams are hashed in place, without copying.
  detail::window_reader in(Stream, kStreamBlock);
  for (auto piece = in.next(); !piece.empty(); piece = in.next()) ctx.update(piece.data(), piece.size());
  return ctx.finish();
}

TSHACode SHA1FromFile(const zyl::String& FileName) {
  // Sharing everything lets files that others hold open (logs) be hashed.
  zyl::TFileStream file(FileName, zyl::fmOpenRead | zyl::fmShareDenyNone);
  return SHA1FromStream(file);
}

zyl::String SHA1DigestToHex(const TSHACode& Digest) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  zyl::String hex(40, u'0');
  for (std::size_t i = 0; i < Digest.size(); ++i) {
    hex[2 * i] = kHex[Digest[i] >> 4];
    hex[2 * i + 1] = kHex[Digest[i] & 15];
  }
  return hex;
}

}  // namespace ZYL_dstruct
