// Library: zyl / Package: ZYL_zylbase / Module: textfilesource (internal)
//
// An open text file as a character source for the tag reader (tagreader.h):
// its characters as TextFile::ReadChar gives them, the end tested before
// each read.
#pragma once

#include "platform/textfile.h"

namespace zyl::detail {

class TextFileSource {
 public:
  explicit TextFileSource(TextFile& F) : FFile(F) {}
  bool next(Char& c) {
    if (FFile.Eof()) return false;
    c = FFile.ReadChar();
    return true;
  }

 private:
  TextFile& FFile;
};

}  // namespace zyl::detail
