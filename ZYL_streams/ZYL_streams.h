// Library: zyl / Package: ZYL_streams
//
// The streams module: a file stream mixing text lines, binary numbers and
// free-format numbers; typed input and output on any stream; scanners that
// read bytes, texts, numbers, lines and tags from streams and open text
// files; search and replace in memory streams.
#pragma once

#include "ZYL_streams/mixedfstream.h"
#include "ZYL_streams/searchreplace.h"
#include "ZYL_streams/streamio.h"
#include "ZYL_streams/streamscan.h"
#include "ZYL_streams/tagscan.h"
