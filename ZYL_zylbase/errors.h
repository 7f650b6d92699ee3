// Library: zyl / Package: ZYL_zylbase / Module: errors
//
// The library's exception hierarchy. Each module raises its own class with a
// complete English message; catching EZYLError catches them all, catching
// zyl::Exception also catches the host framework's errors.
//
//   zyl::Exception
//     EZYLError            general errors (foundation, strings, data structures)
//       EZYLColArrayError  colour arrays
//       EZYLStringlError   string library
//       EZYLDStructError   data structures
//       EZYLFileSysError   file system
//       EZYLCpuIdError     CPU identification
//
// Example:
//   try { ... } catch (const ZYL_zylbase::EZYLError& e) { log(e.Message()); }
#pragma once

#include "platform/exceptions.h"

namespace ZYL_zylbase {

class ZYL_API EZYLError : public zyl::Exception {
 public:
  using zyl::Exception::Exception;
};
class ZYL_API EZYLColArrayError : public EZYLError {
 public:
  using EZYLError::EZYLError;
};
class ZYL_API EZYLStringlError : public EZYLError {
 public:
  using EZYLError::EZYLError;
};
class ZYL_API EZYLDStructError : public EZYLError {
 public:
  using EZYLError::EZYLError;
};
class ZYL_API EZYLFileSysError : public EZYLError {
 public:
  using EZYLError::EZYLError;
};
class ZYL_API EZYLCpuIdError : public EZYLError {
 public:
  using EZYLError::EZYLError;
};

// The message of a component error: Component "<Name>": <Tail>
[[nodiscard]] ZYL_API zyl::String ComponentMessage(const zyl::String& Name, const zyl::String& Tail);

}  // namespace ZYL_zylbase
