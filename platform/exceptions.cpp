// Library: zyl / Package: platform / Module: exceptions
#include "platform/exceptions.h"

namespace zyl {

Exception::Exception(String Msg) : FMessage(std::move(Msg)), FWhat(to_utf8(FMessage)) {}

}  // namespace zyl
