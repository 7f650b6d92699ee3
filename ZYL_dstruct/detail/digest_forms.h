// Library: zyl / Package: ZYL_dstruct / Module: detail/digest_forms
//
// Internal: the three inputs every digest takes (a string as UTF-16LE code
// units, a stream from its position to its end, a file) and the digest's
// hexadecimal text, written once for all digests and the keyed hashers.
//
// Example:
//   for_each_stream_piece(stream, [&](std::span<const std::uint8_t> b) { ctx.update(b.data(), b.size()); });
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/hoststring.h"
#include "platform/stream.h"

namespace ZYL_dstruct::detail {

using piece_fn = std::function<void(std::span<const std::uint8_t>)>;

// Hands the string's code units to take as UTF-16LE bytes, in pieces.
void for_each_utf16le_piece(const zyl::String& s, const piece_fn& take);

// Hands the bytes from the stream's position to its end (read until a read
// returns nothing) to take, in pieces; the stream is left at its end and
// its read errors pass through.
void for_each_stream_piece(zyl::TStream& stream, const piece_fn& take);

// Opens a file for reading as the digest functions do (sharing everything,
// so that files others hold open can be hashed) and hands its bytes to take.
// A file that cannot be opened raises EFOpenError.
void for_each_file_piece(const zyl::String& file_name, const piece_fn& take);

// Two upper-case hexadecimal digits per byte, first byte first.
[[nodiscard]] zyl::String digest_to_hex(std::span<const std::uint8_t> digest);

template <class Ctx>
typename Ctx::digest digest_of_string(const zyl::String& s) {
  Ctx ctx;
  for_each_utf16le_piece(s, [&ctx](std::span<const std::uint8_t> b) { ctx.update(b.data(), b.size()); });
  return ctx.finish();
}

template <class Ctx>
typename Ctx::digest digest_of_stream(zyl::TStream& stream) {
  Ctx ctx;
  for_each_stream_piece(stream, [&ctx](std::span<const std::uint8_t> b) { ctx.update(b.data(), b.size()); });
  return ctx.finish();
}

template <class Ctx>
typename Ctx::digest digest_of_file(const zyl::String& file_name) {
  Ctx ctx;
  for_each_file_piece(file_name, [&ctx](std::span<const std::uint8_t> b) { ctx.update(b.data(), b.size()); });
  return ctx.finish();
}

}  // namespace ZYL_dstruct::detail
