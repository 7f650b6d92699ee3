// Library: zyl / Package: ZYL_dstruct
//
// The data-structure module: byte FIFO, run-length encoder, and the
// containers, checksums and encoders that follow.
#pragma once

#include "ZYL_dstruct/fifo.h"
#include "ZYL_dstruct/rlencoder.h"
