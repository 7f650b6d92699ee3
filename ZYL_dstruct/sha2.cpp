// Library: zyl / Package: ZYL_dstruct / Module: sha2
#include "ZYL_dstruct/sha2.h"

#include "ZYL_dstruct/detail/digest_forms.h"
#include "ZYL_dstruct/detail/sha2_impl.h"

namespace ZYL_dstruct {

TSHA224Code SHA224FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha224_context>(s); }
TSHA224Code SHA224FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha224_context>(Stream); }
TSHA224Code SHA224FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha224_context>(FileName); }
zyl::String SHA224DigestToHex(const TSHA224Code& Digest) { return detail::digest_to_hex(Digest); }

TSHA256Code SHA256FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha256_context>(s); }
TSHA256Code SHA256FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha256_context>(Stream); }
TSHA256Code SHA256FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha256_context>(FileName); }
zyl::String SHA256DigestToHex(const TSHA256Code& Digest) { return detail::digest_to_hex(Digest); }

TSHA384Code SHA384FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha384_context>(s); }
TSHA384Code SHA384FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha384_context>(Stream); }
TSHA384Code SHA384FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha384_context>(FileName); }
zyl::String SHA384DigestToHex(const TSHA384Code& Digest) { return detail::digest_to_hex(Digest); }

TSHA512Code SHA512FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha512_context>(s); }
TSHA512Code SHA512FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha512_context>(Stream); }
TSHA512Code SHA512FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha512_context>(FileName); }
zyl::String SHA512DigestToHex(const TSHA512Code& Digest) { return detail::digest_to_hex(Digest); }

TSHA512_256Code SHA512_256FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha512_256_context>(s); }
TSHA512_256Code SHA512_256FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha512_256_context>(Stream); }
TSHA512_256Code SHA512_256FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha512_256_context>(FileName); }
zyl::String SHA512_256DigestToHex(const TSHA512_256Code& Digest) { return detail::digest_to_hex(Digest); }

}  // namespace ZYL_dstruct
