// Library: zyl / Package: platform / Module: stringlist
#include "platform/stringlist.h"

#include <algorithm>
#include <string>

namespace zyl {
namespace {

Char fold_ascii(Char c) { return c >= u'a' && c <= u'z' ? static_cast<Char>(c - 32) : c; }

bool equal_ascii_nocase(const String& a, const String& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) { return fold_ascii(x) == fold_ascii(y); });
}

}  // namespace

int TStrings::Add(const String& S) {
  const int index = Count();
  Insert(index, S);
  return index;
}

void TStrings::AddStrings(const TStrings& Source) {
  const int n = Source.Count();
  for (int i = 0; i < n; ++i) Add(Source.Get(i));
}

int TStrings::IndexOf(const String& S) const {
  const int n = Count();
  for (int i = 0; i < n; ++i)
    if (equal_ascii_nocase(Get(i), S)) return i;
  return -1;
}

String TStrings::Text() const {
  String out;
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    out += Get(i);
    out += u"\r\n";
  }
  return out;
}

void TStrings::SetText(const String& Value) {
  Clear();
  std::size_t start = 0;
  const std::size_t n = Value.size();
  while (start < n) {
    std::size_t end = start;
    while (end < n && Value[end] != u'\r' && Value[end] != u'\n') ++end;
    Add(Value.substr(start, end - start));
    if (end < n && Value[end] == u'\r') {
      ++end;
      if (end < n && Value[end] == u'\n') ++end;
    } else if (end < n) {
      ++end;  // a lone LF
    }
    start = end;
  }
}

void TStrings::Assign(const TPersistent* Source) {
  if (const auto* other = dynamic_cast<const TStrings*>(Source)) {
    if (other == this) return;
    Clear();
    AddStrings(*other);
    return;
  }
  TPersistent::Assign(Source);
}

void TStringList::check_index(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit)
    throw EStringListError(u"List index out of bounds (" + from_ascii(std::to_string(Index)) + u")");
}

String TStringList::Get(int Index) const {
  check_index(Index, Count());
  return FList[static_cast<std::size_t>(Index)];
}

void TStringList::Put(int Index, const String& S) {
  check_index(Index, Count());
  FList[static_cast<std::size_t>(Index)] = S;
}

void TStringList::Insert(int Index, const String& S) {
  check_index(Index, Count() + 1);
  FList.insert(FList.begin() + Index, S);
}

void TStringList::Delete(int Index) {
  check_index(Index, Count());
  FList.erase(FList.begin() + Index);
}

void TStringList::Sort() { std::stable_sort(FList.begin(), FList.end()); }

}  // namespace zyl
