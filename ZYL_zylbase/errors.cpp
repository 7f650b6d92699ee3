// Library: zyl / Package: ZYL_zylbase / Module: errors
#include "ZYL_zylbase/errors.h"

namespace ZYL_zylbase {

zyl::String ComponentMessage(const zyl::String& Name, const zyl::String& Tail) {
  return u"Component \"" + Name + u"\": " + Tail;
}

}  // namespace ZYL_zylbase
