// Library: zyl / Package: platform
//
// The host-framework services the modules build on: strings, exceptions,
// objects and components, events, the random generator, streams and string
// lists.
#pragma once

#include "platform/alignment.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/casemap.h"
#include "platform/commondialog.h"
#include "platform/component.h"
#include "platform/datetime.h"
#include "platform/events.h"
#include "platform/exceptions.h"
#include "platform/filename.h"
#include "platform/filesearch.h"
#include "platform/filestream.h"
#include "platform/font.h"
#include "platform/hoststring.h"
#include "platform/memorystream.h"
#include "platform/numtext.h"
#include "platform/object.h"
#include "platform/os.h"
#include "platform/pos.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/savefile.h"
#include "platform/screen.h"
#include "platform/stream.h"
#include "platform/stringlist.h"
#include "platform/stringstream.h"
#include "platform/textfile.h"
#include "platform/variant.h"
