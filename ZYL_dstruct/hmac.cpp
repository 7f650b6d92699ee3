// Library: zyl / Package: ZYL_dstruct / Module: hmac
//
// HMAC(K, m) = H((K0 xor opad) || H((K0 xor ipad) || m)), where K0 is the
// key (hashed first when longer than a block) padded with zeros to a block,
// ipad the bytes 36 and opad the bytes 5C (hexadecimal). The hashers that
// have taken the two key blocks are kept, so a new message under the same
// key costs no key processing.
#include "ZYL_dstruct/hmac.h"

#include <algorithm>
#include <functional>

namespace ZYL_dstruct {
namespace {

// The hasher after the key block whose bytes are K0 xor pad.
TDigestHasher keyed(TDigestKind kind, std::span<const std::uint8_t> key, std::uint8_t pad) {
  TDigestHasher h(kind);
  std::vector<std::uint8_t> block(h.BlockSize(), pad);
  if (key.size() > block.size()) {
    TDigestHasher k(kind);
    k.Add(key);
    const std::vector<std::uint8_t> short_key = k.Finish();
    std::transform(short_key.begin(), short_key.end(), block.begin(), block.begin(), std::bit_xor<>());
  } else {
    std::transform(key.begin(), key.end(), block.begin(), block.begin(), std::bit_xor<>());
  }
  h.Add(block);
  // The block is the key in thin disguise; do not leave it in freed memory.
  std::fill(block.begin(), block.end(), std::uint8_t{0});
  return h;
}

}  // namespace

THMACHasher::THMACHasher(TDigestKind Kind, std::span<const std::uint8_t> Key)
    : FInnerKeyed(keyed(Kind, Key, 0x36)), FOuterKeyed(keyed(Kind, Key, 0x5C)), FInner(FInnerKeyed) {}

void THMACHasher::Start() { FInner = FInnerKeyed; }

void THMACHasher::Add(std::span<const std::uint8_t> Data) noexcept { FInner.Add(Data); }

void THMACHasher::AddString(const zyl::String& s) { FInner.AddString(s); }

void THMACHasher::AddStream(zyl::TStream& Stream) { FInner.AddStream(Stream); }

std::vector<std::uint8_t> THMACHasher::Finish() {
  const std::vector<std::uint8_t> inner = FInner.Finish();
  TDigestHasher outer = FOuterKeyed;
  outer.Add(inner);
  Start();
  return outer.Finish();
}

std::vector<std::uint8_t> HMACFromBuffer(TDigestKind Kind, std::span<const std::uint8_t> Key,
                                         std::span<const std::uint8_t> Data) {
  THMACHasher h(Kind, Key);
  h.Add(Data);
  return h.Finish();
}

std::vector<std::uint8_t> HMACFromStream(TDigestKind Kind, std::span<const std::uint8_t> Key, zyl::TStream& Stream) {
  THMACHasher h(Kind, Key);
  h.AddStream(Stream);
  return h.Finish();
}

}  // namespace ZYL_dstruct
