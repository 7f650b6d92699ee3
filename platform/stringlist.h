// Library: zyl / Package: platform / Module: stringlist
//
// TStrings, the abstract list of strings the library fills and reads, and
// TStringList, its ordinary implementation. Indices are 0-based; an index out
// of range raises EStringListError "List index out of bounds (<i>)".
//
//   Text        the lines joined, each followed by CR LF
//   SetText     splits at CR LF, LF or CR (a final line end adds no line)
//
// Example:
//   zyl::TStringList l;
//   l.Add(u"b"); l.Add(u"a");
//   l.Sort();                 // l[0] == u"a"
//   l.IndexOf(u"b")           // == 1
#pragma once

#include <vector>

#include "platform/exceptions.h"
#include "platform/object.h"

namespace zyl {

class ZYL_API EStringListError : public Exception {
 public:
  using Exception::Exception;
};

class ZYL_API TStrings : public TPersistent {
 public:
  virtual int Count() const = 0;
  virtual String Get(int Index) const = 0;
  virtual void Put(int Index, const String& S) = 0;
  virtual void Insert(int Index, const String& S) = 0;
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;

  String operator[](int Index) const { return Get(Index); }
  String Strings(int Index) const { return Get(Index); }

  // Appends S; returns its index.
  virtual int Add(const String& S);
  void AddStrings(const TStrings& Source);
  // First index of S (case-insensitive for A-Z, as the host compares), or -1.
  virtual int IndexOf(const String& S) const;

  String Text() const;
  void SetText(const String& Value);

  // Copies the lines of another TStrings.
  void Assign(const TPersistent* Source) override;
};

class ZYL_API TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(FList.size()); }
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override { FList.clear(); }

  // Sorts ordinally (by UTF-16 code units), stable.
  void Sort();

 private:
  void check_index(int Index, int Limit) const;
  std::vector<String> FList;
};

}  // namespace zyl
