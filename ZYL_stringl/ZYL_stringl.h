// Library: zyl / Package: ZYL_stringl
//
// The string library: number and value formatting, stripping, padding,
// replacing, searching, splitting, counting, classifying and transcribing
// characters of UTF-16 strings, the regular-expression matcher, and the
// character scrambler.
#pragma once

#include "ZYL_stringl/casing.h"
#include "ZYL_stringl/charclass.h"
#include "ZYL_stringl/charlist.h"
#include "ZYL_stringl/extract.h"
#include "ZYL_stringl/grep.h"
#include "ZYL_stringl/hexchars.h"
#include "ZYL_stringl/lines.h"
#include "ZYL_stringl/numformat.h"
#include "ZYL_stringl/pad.h"
#include "ZYL_stringl/parlist.h"
#include "ZYL_stringl/quotedname.h"
#include "ZYL_stringl/replace.h"
#include "ZYL_stringl/scramble.h"
#include "ZYL_stringl/search.h"
#include "ZYL_stringl/strip.h"
#include "ZYL_stringl/tagstring.h"
#include "ZYL_stringl/tokenize.h"
#include "ZYL_stringl/uucode.h"
#include "ZYL_stringl/valuetext.h"
#include "ZYL_stringl/varianttext.h"
