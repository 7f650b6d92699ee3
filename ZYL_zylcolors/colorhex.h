// Library: zyl / Package: ZYL_zylcolors / Module: colorhex
//
// TColor values as hexadecimal text.
//
//   ColorToHexStr(0x000000FF)   == u"000000FF"   (pure red)
//   HexStrToColor(u" $ff ")     == 255
//   HexStrToColor(u"12G4")      == 0x12          (stops at G)
//   HexStrToColor(u"xyz")       == 0
#pragma once

#include "platform/api.h"
#include "platform/events.h"
#include "platform/hoststring.h"

namespace ZYL_zylcolors {

using zyl::TColor;

// The whole 32-bit value as exactly 8 upper-case hexadecimal digits, most
// significant first, no prefix.
[[nodiscard]] ZYL_API zyl::String ColorToHexStr(TColor Color);

// Parses hexadecimal text; never fails. Blanks (code 32 only) around the
// text are ignored, then one "$" at its start, then more blanks; digits of
// either case are read up to the first other character, the rest ignored.
// More than 8 digits wrap around (value * 16 + digit in 32 bits). Text
// without digits gives 0.
[[nodiscard]] ZYL_API TColor HexStrToColor(const zyl::String& Text);

}  // namespace ZYL_zylcolors
