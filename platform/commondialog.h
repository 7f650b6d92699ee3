// Library: zyl / Package: platform / Module: commondialog
//
// The host framework's modal-result codes and the base of its common
// dialogs: a non-visual component whose Execute shows a dialog and tells
// whether the user confirmed it.
#pragma once

#include "platform/component.h"

namespace zyl {

// The reply of a modal dialog or of an event handler standing in for one.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;

class ZYL_API TCommonDialog : public TComponent {
 public:
  using TComponent::TComponent;
  // Shows the dialog; true when the user confirmed it.
  virtual bool Execute() = 0;
};

}  // namespace zyl
