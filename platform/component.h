// Library: zyl / Package: platform / Module: component
//
// TComponent: an object with an owner and a Name.
//
// Ownership: a component created with a non-null owner is owned by it. The
// owner deletes every component it still owns in its destructor. A component
// deleted first removes itself from its owner's list, so nothing is freed
// twice. Components are neither copyable nor movable (owners hold pointers).
//
// Example:
//   TComponent form(nullptr);
//   auto* fifo = new TFifo(&form);   // owned by form, deleted with it
//   fifo->SetName(u"Queue");
#pragma once

#include <vector>

#include "platform/exceptions.h"
#include "platform/object.h"

namespace zyl {

// A component operation that would break the ownership tree.
class ZYL_API EComponentError : public Exception {
 public:
  using Exception::Exception;
};

class ZYL_API TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const noexcept { return FOwner; }
  const String& Name() const noexcept { return FName; }
  void SetName(const String& Value) { FName = Value; }

  int ComponentCount() const noexcept { return static_cast<int>(FComponents.size()); }
  // The owned component at 0-based index, or nullptr when out of range.
  TComponent* Components(int Index) const noexcept;

  // Transfers ownership of AComponent to this component (removing it from
  // its previous owner first). A component cannot own itself or one of its
  // own owners (the tree would free it twice): that raises EComponentError
  // "A component cannot own itself or one of its owners" and changes nothing.
  void InsertComponent(TComponent* AComponent);
  // Releases ownership of AComponent without deleting it.
  void RemoveComponent(TComponent* AComponent);

 private:
  TComponent* FOwner = nullptr;
  String FName;
  std::vector<TComponent*> FComponents;
};

}  // namespace zyl
