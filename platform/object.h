// Library: zyl / Package: platform / Module: object
//
// TObject and TPersistent: the roots of the library's class hierarchy.
//
// TPersistent implements the copy protocol:
//   Dest.Assign(&Source)  copies Source into Dest when Dest's class knows
//                         Source's class; the default asks Source.AssignTo(Dest)
//   Source.AssignTo(&Dest) the default raises EConvertError
//                         "Cannot assign a <Source class> to a <Dest class>"
// A class overrides Assign for sources it can copy and falls back to the
// inherited Assign otherwise.
//
// Example:
//   a.Assign(&b);              // same class: copies b into a
//   a.Assign(&someFifo);       // unrelated: throws EConvertError
//                              //   "Cannot assign a TFifo to a TColorArray"
#pragma once

#include "platform/hoststring.h"

namespace zyl {

class ZYL_API TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;
  virtual ~TObject();

  // The unqualified name of the object's dynamic class ("TFifo").
  String ClassName() const;
};

class ZYL_API TPersistent : public TObject {
 public:
  // Copies Source into this object. The default hands over to
  // Source->AssignTo(this); a null Source raises "Cannot assign a nil to a X".
  virtual void Assign(const TPersistent* Source);
  // Copies this object into Dest. The default raises EConvertError.
  virtual void AssignTo(TPersistent* Dest) const;

 protected:
  // Raises EConvertError "Cannot assign a <Source class> to a <this class>".
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

}  // namespace zyl
