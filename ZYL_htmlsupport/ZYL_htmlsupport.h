// Library: zyl / Package: ZYL_htmlsupport
//
// The HTML module: a template producer that fills <#name parameters> tags
// through an event, percent-encoding of URLs, entity references, the
// standard head and foot of a generated page, and the text of HTML pages.
#pragma once

#include "ZYL_htmlsupport/htmlentities.h"
#include "ZYL_htmlsupport/htmlpage.h"
#include "ZYL_htmlsupport/htmlproducer.h"
#include "ZYL_htmlsupport/htmltext.h"
#include "ZYL_htmlsupport/urlcoding.h"
