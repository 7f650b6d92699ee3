// Library: zyl / Package: ZYL_dstruct / Module: detail/digest_engine
#include "ZYL_dstruct/detail/digest_engine.h"

#include <algorithm>

#include "ZYL_dstruct/detail/sha1_impl.h"
#include "ZYL_dstruct/detail/sha2_impl.h"
#include "platform/exceptions.h"
#include "platform/numtext.h"

namespace ZYL_dstruct::detail {
namespace {

template <class Ctx>
class md_engine final : public digest_engine {
 public:
  void reset() noexcept override { FCtx.reset(); }
  void update(const std::uint8_t* p, std::size_t n) noexcept override { FCtx.update(p, n); }
  void finish(std::uint8_t* out) noexcept override {
    const auto d = FCtx.finish();
    std::copy(d.begin(), d.end(), out);
  }
  std::unique_ptr<digest_engine> clone() const override { return std::make_unique<md_engine>(*this); }
  std::size_t digest_size() const noexcept override { return Ctx::kDigestSize; }
  std::size_t block_size() const noexcept override { return Ctx::kBlockSize; }

 private:
  Ctx FCtx;
};

}  // namespace

std::unique_ptr<digest_engine> make_digest_engine(TDigestKind kind) {
  switch (kind) {
    case TDigestKind::dkSHA1: return std::make_unique<md_engine<sha1_context>>();
    case TDigestKind::dkSHA224: return std::make_unique<md_engine<sha224_context>>();
    case TDigestKind::dkSHA256: return std::make_unique<md_engine<sha256_context>>();
    case TDigestKind::dkSHA384: return std::make_unique<md_engine<sha384_context>>();
    case TDigestKind::dkSHA512: return std::make_unique<md_engine<sha512_context>>();
    case TDigestKind::dkSHA512_256: return std::make_unique<md_engine<sha512_256_context>>();
  }
  throw zyl::EConvertError(u"Unknown digest kind " + zyl::IntToStr(static_cast<int>(kind)));
}

}  // namespace ZYL_dstruct::detail
