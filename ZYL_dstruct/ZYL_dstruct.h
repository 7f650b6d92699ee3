// Library: zyl / Package: ZYL_dstruct
//
// The data-structure module: byte FIFO, run-length encoder, and the
// containers, checksums and encoders that follow.
#pragma once

#include "ZYL_dstruct/ascii85.h"
#include "ZYL_dstruct/assocarray.h"
#include "ZYL_dstruct/base64.h"
#include "ZYL_dstruct/bitfield.h"
#include "ZYL_dstruct/bytematrix.h"
#include "ZYL_dstruct/combinatorics.h"
#include "ZYL_dstruct/crc16.h"
#include "ZYL_dstruct/crc32.h"
#include "ZYL_dstruct/featmatprops.h"
#include "ZYL_dstruct/featmatrix.h"
#include "ZYL_dstruct/fifo.h"
#include "ZYL_dstruct/hasher.h"
#include "ZYL_dstruct/hmac.h"
#include "ZYL_dstruct/logicop.h"
#include "ZYL_dstruct/nearestvalue.h"
#include "ZYL_dstruct/rlencoder.h"
#include "ZYL_dstruct/sha1.h"
#include "ZYL_dstruct/sha2.h"
#include "ZYL_dstruct/stringaccu.h"
#include "ZYL_dstruct/stringarray.h"
