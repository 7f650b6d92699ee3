// Library: zyl / Package: platform / Module: font
//
// TFont: the description of a text font (name, size, colour, style) as the
// canvas and the text labels use it. A font keeps its height in pixels; its
// size in points follows from the height and PixelsPerInch:
//   Size = -MulDiv(Height, 72, PixelsPerInch),  Height = -MulDiv(Size, PixelsPerInch, 72)
// (a negative height is the character height without internal leading, as
// on the host platform). So changing PixelsPerInch changes Size, not Height.
//
// Defaults: Name "Tahoma", Size 8 (Height -11 at 96 pixels per inch),
// Color 000000, no style. The same defaults on every platform, so files that
// record a font are identical across platforms.
//
// Example:
//   TFont f;  f.SetSize(12);      // f.Height() == -16
//   f.SetPixelsPerInch(300);      // f.Size() == 4 (the pixels stay)
#pragma once

#include <cstdint>

#include "platform/events.h"
#include "platform/hoststring.h"
#include "platform/object.h"

namespace zyl {

enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> Styles) {
    for (TFontStyle s : Styles) Include(s);
  }
  constexpr bool Contains(TFontStyle S) const noexcept { return (FBits & bit(S)) != 0; }
  constexpr void Include(TFontStyle S) noexcept { FBits = static_cast<std::uint8_t>(FBits | bit(S)); }
  constexpr void Exclude(TFontStyle S) noexcept { FBits = static_cast<std::uint8_t>(FBits & ~bit(S)); }
  constexpr bool Empty() const noexcept { return FBits == 0; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr std::uint8_t bit(TFontStyle S) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(S)); }
  std::uint8_t FBits = 0;
};

// Windows' MulDiv: A * B / C rounded half away from zero; -1 when C is 0.
[[nodiscard]] ZYL_API std::int32_t MulDiv(std::int32_t A, std::int32_t B, std::int32_t C) noexcept;

class ZYL_API TFont : public TPersistent {
 public:
  TFont() = default;

  // Copies name, height, colour, style and pixels per inch from another
  // TFont (OnChange is not copied); fires OnChange once.
  void Assign(const TPersistent* Source) override;

  const String& Name() const noexcept { return FName; }
  void SetName(const String& Value);
  std::int32_t Size() const noexcept;
  void SetSize(std::int32_t Value);
  std::int32_t Height() const noexcept { return FHeight; }
  void SetHeight(std::int32_t Value);
  TColor Color() const noexcept { return FColor; }
  void SetColor(TColor Value);
  // At least 1; smaller values are stored as 1.
  std::int32_t PixelsPerInch() const noexcept { return FPixelsPerInch; }
  void SetPixelsPerInch(std::int32_t Value);
  TFontStyles Style() const noexcept { return FStyle; }
  void SetStyle(TFontStyles Value);

  // Fired after every change made through a setter or Assign.
  TNotifyEvent OnChange;

 private:
  void Changed();

  String FName = u"Tahoma";
  std::int32_t FHeight = -11;
  TColor FColor = 0;
  std::int32_t FPixelsPerInch = 96;
  TFontStyles FStyle;
};

}  // namespace zyl
