// Library: zyl / Package: ZYL_dstruct / Module: detail/digest_engine
//
// Internal: one digest context behind an interface, so that a hasher can
// choose its algorithm at run time and be copied (the keyed hashers keep
// copies of their contexts after the key has been fed).
//
// Example:
//   std::unique_ptr<digest_engine> e = make_digest_engine(TDigestKind::dkSHA256);
//   e->update(p, n);  e->finish(out);  // out holds e->digest_size() bytes
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "ZYL_dstruct/hasher.h"

namespace ZYL_dstruct::detail {

class digest_engine {
 public:
  virtual ~digest_engine() = default;
  virtual void reset() noexcept = 0;
  virtual void update(const std::uint8_t* p, std::size_t n) noexcept = 0;
  // Writes digest_size() bytes to out and starts a new message.
  virtual void finish(std::uint8_t* out) noexcept = 0;
  [[nodiscard]] virtual std::unique_ptr<digest_engine> clone() const = 0;
  [[nodiscard]] virtual std::size_t digest_size() const noexcept = 0;
  [[nodiscard]] virtual std::size_t block_size() const noexcept = 0;
};

[[nodiscard]] std::unique_ptr<digest_engine> make_digest_engine(TDigestKind kind);

}  // namespace ZYL_dstruct::detail
