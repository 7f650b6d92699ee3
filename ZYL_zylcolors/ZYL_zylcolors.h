// Library: zyl / Package: ZYL_zylcolors
//
// The colour module: colour-space conversions, blending and distances,
// colour names and tables, random colours, the colours of wavelengths, and
// the colour-gradient component TColorArray with its key-colour sets.
#pragma once

#include "ZYL_zylcolors/colorarray.h"
#include "ZYL_zylcolors/colorblend.h"
#include "ZYL_zylcolors/colorhex.h"
#include "ZYL_zylcolors/colormodels.h"
#include "ZYL_zylcolors/colortables.h"
#include "ZYL_zylcolors/keycolors.h"
#include "ZYL_zylcolors/randomcolor.h"
#include "ZYL_zylcolors/wavelength.h"
