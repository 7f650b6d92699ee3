// Library: zyl / Package: ZYL_dstruct / Module: hasher
#include "ZYL_dstruct/hasher.h"

#include "ZYL_dstruct/detail/digest_engine.h"
#include "ZYL_dstruct/detail/digest_forms.h"

namespace ZYL_dstruct {

TDigestHasher::TDigestHasher(TDigestKind Kind) : FKind(Kind), FEngine(detail::make_digest_engine(Kind)) {}

TDigestHasher::TDigestHasher(const TDigestHasher& Other) : FKind(Other.FKind), FEngine(Other.FEngine->clone()) {}

TDigestHasher& TDigestHasher::operator=(const TDigestHasher& Other) {
  if (this != &Other) {
    FEngine = Other.FEngine->clone();
    FKind = Other.FKind;
  }
  return *this;
}

TDigestHasher::TDigestHasher(TDigestHasher&&) noexcept = default;
TDigestHasher& TDigestHasher::operator=(TDigestHasher&&) noexcept = default;
TDigestHasher::~TDigestHasher() = default;

void TDigestHasher::Start() noexcept { FEngine->reset(); }

void TDigestHasher::Add(std::span<const std::uint8_t> Data) noexcept { FEngine->update(Data.data(), Data.size()); }

void TDigestHasher::AddString(const zyl::String& s) {
  detail::for_each_utf16le_piece(s, [this](std::span<const std::uint8_t> b) { Add(b); });
}

void TDigestHasher::AddStream(zyl::TStream& Stream) {
  detail::for_each_stream_piece(Stream, [this](std::span<const std::uint8_t> b) { Add(b); });
}

std::vector<std::uint8_t> TDigestHasher::Finish() {
  std::vector<std::uint8_t> d(FEngine->digest_size());
  FEngine->finish(d.data());
  return d;
}

std::size_t TDigestHasher::DigestSize() const noexcept { return FEngine->digest_size(); }

std::size_t TDigestHasher::BlockSize() const noexcept { return FEngine->block_size(); }

zyl::String DigestToHex(std::span<const std::uint8_t> Digest) { return detail::digest_to_hex(Digest); }

}  // namespace ZYL_dstruct
