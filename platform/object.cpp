// Library: zyl / Package: platform / Module: object
#include "platform/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/exceptions.h"

namespace zyl {

TObject::~TObject() = default;

String TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  // Drop namespace qualifiers: the host framework's class names are plain.
  if (const auto colon = name.rfind("::"); colon != std::string::npos) name.erase(0, colon + 2);
  return from_latin1(name);
}

void TPersistent::Assign(const TPersistent* Source) {
  if (Source == nullptr) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  if (Dest == nullptr) throw EConvertError(u"Cannot assign a " + ClassName() + u" to a nil");
  Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
  const String source_name = Source ? Source->ClassName() : String(u"nil");
  throw EConvertError(u"Cannot assign a " + source_name + u" to a " + ClassName());
}

}  // namespace zyl
