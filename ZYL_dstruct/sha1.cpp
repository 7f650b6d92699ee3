// Library: zyl / Package: ZYL_dstruct / Module: sha1
#include "ZYL_dstruct/sha1.h"

#include "ZYL_dstruct/detail/digest_forms.h"
#include "ZYL_dstruct/detail/sha1_impl.h"

namespace ZYL_dstruct {

TSHACode SHA1FromString(const zyl::String& s) { return detail::digest_of_string<detail::sha1_context>(s); }

TSHACode SHA1FromStream(zyl::TStream& Stream) { return detail::digest_of_stream<detail::sha1_context>(Stream); }

TSHACode SHA1FromFile(const zyl::String& FileName) { return detail::digest_of_file<detail::sha1_context>(FileName); }

zyl::String SHA1DigestToHex(const TSHACode& Digest) { return detail::digest_to_hex(Digest); }

}  // namespace ZYL_dstruct
