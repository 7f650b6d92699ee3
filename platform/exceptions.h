// Library: zyl / Package: platform / Module: exceptions
//
// The host framework's exception classes. Every error the library raises is
// an Exception: Message() gives the text as a String, what() its UTF-8 form.
//
//   Exception
//     EInOutError       I/O failure of an open text file or file routine (ErrorCode)
//     EConvertError     a value could not be converted (text to number, Assign, ...)
//     EStreamError      stream failure
//       EReadError      ReadBuffer moved fewer bytes than asked
//       EWriteError     WriteBuffer moved fewer bytes than asked
//       EFOpenError     a file stream could not open its file
//       EFCreateError   a file stream could not create its file
//     EOutOfMemory      an allocation failed
//     EVariantError     a variant could not be converted or indexed
#pragma once

#include <exception>
#include <string>

#include "platform/hoststring.h"

namespace zyl {

class ZYL_API Exception : public std::exception {
 public:
  explicit Exception(String Msg);
  // The message text exactly as given at construction.
  const String& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FWhat.c_str(); }

 private:
  String FMessage;
  std::string FWhat;
};

// An input/output error; ErrorCode() is the operating system's error number
// (or a run-time code such as 100 "read beyond end of file").
class ZYL_API EInOutError : public Exception {
 public:
  EInOutError(String Msg, int Code) : Exception(std::move(Msg)), FErrorCode(Code) {}
  int ErrorCode() const noexcept { return FErrorCode; }

 private:
  int FErrorCode;
};

class ZYL_API EConvertError : public Exception {
 public:
  using Exception::Exception;
};
class ZYL_API EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class ZYL_API EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class ZYL_API EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class ZYL_API EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class ZYL_API EFCreateError : public EStreamError {
 public:
  using EStreamError::EStreamError;
};
class ZYL_API EOutOfMemory : public Exception {
 public:
  using Exception::Exception;
};
class ZYL_API EVariantError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace zyl
