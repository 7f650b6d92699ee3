// Library: zyl / Package: ZYL_dstruct / Module: sha1
#include "ZYL_dstruct/sha1.h"

#include <memory>

#include "ZYL_dstruct/detail/sha1_impl.h"
#include "platform/bytereader.h"
#include "platform/filestream.h"

namespace ZYL_dstruct {
namespace {

// Reads of this size go past the file stream's own buffer, straight to the file.
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
  {
    // Streams that expose their memory or read buffer are hashed in place,
    // without copying. A stream without such a window yields a single byte
    // per refill; the rest of it is then read in blocks below.
    zyl::detail::ByteReader reader(Stream);
    while (reader.refill()) {
      const auto w = reader.window();
      ctx.update(w.data(), w.size());
      reader.skip(w.size());
      if (w.size() == 1) break;
    }
    reader.commit();
  }
  const auto block = std::make_unique_for_overwrite<std::uint8_t[]>(kStreamBlock);
  for (std::int32_t got; (got = Stream.Read(block.get(), kStreamBlock)) > 0;)
    ctx.update(block.get(), static_cast<std::size_t>(got));
  return ctx.finish();
}

TSHACode SHA1FromFile(const zyl::String& FileName) {
  zyl::TFileStream file(FileName, zyl::fmOpenRead | zyl::fmShareDenyWrite);
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
