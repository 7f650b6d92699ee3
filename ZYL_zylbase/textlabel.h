// Library: zyl / Package: ZYL_zylbase / Module: textlabel
//
// TCustomTextLabel: a positioned text label of a plot or display (position,
// layer, shadow, colours, alignment, font, caption, drawing style), without
// drawing it, and its XML form in an open text file.
//
// Defaults: position (100, 10), layer 1, no shadow offset, shadow 808080,
// centred at the bottom, not attached to data, background C0C0C0, border
// 000000, opaque, the default font, empty caption, tlsimple, visible.
// Every setter stores its value and fires OnChange, without comparing with
// the old value; SetTxtLblLayer ignores values outside 1..16 (no OnChange).
//
// The XML element (WriteToOpenXMLFile, indentation P of 1..255 blanks):
//   <?xml version="1.0"?>                       (only with the header flag)
//                                               (an empty line)
//   P<!-- TCustomTextLabel / ZYL Component Suite -->
//   P<custtextlbl sig="ZYLCSuite" vers="1.0" id="ID">   (escaped as the font name)
//   P  <posxy x=1.0000000000000000E+02 y=1.0000000000000000E+01 />   (or NAN, INF, -INF)
//   P  <caption>text</caption>                  (< > & written as &lt; &gt; &amp;)
//   P  <colors brd=$000000 bg=$C0C0C0 shdw=$808080 />   (TColor, blue first)
//   P  <shadowofs dx=0 dy=0 />
//   P  <layer val=1 />
//   P  <transparent val=0 />
//   P  <visible val=1 />
//   P  <alignment horiz=taCenter vert=vaBottom />
//   P  <attachmode val=tlamNone />
//   P  <font name="Tahoma" size=8 color=$000000 style="fsBold fsItalic" />
//        (< > & " in the name as &lt; &gt; &amp; &quot;, control characters
//        such as line breaks as &#10;)
//   P  <style val=tlsimple />
//   P</custtextlbl>
// Positions are written with 17 significant digits, so they read back
// exactly; NaN and the infinities are written as NAN, INF and -INF and read
// back as such. ReadFromOpenXMLFile finds the element by its id (any case,
// compared after unescaping, so ids holding markup characters or line
// breaks are found; an empty id takes the first label), restores every
// field written above and fires OnChange once; it returns true when the
// closing tag was read. Texts of older files, written without escapes, read
// as before unless they hold what reads as an entity.
//
// Example:
//   TCustomTextLabel l;  l.SetTxtLblCaption(u"Peak <A>");
//   TextFile f;  f.Assign(u"l.xml");  f.Rewrite();
//   l.WriteToOpenXMLFile(f, true, u"L1", 2);  f.CloseFile();
//   f.Reset();  TCustomTextLabel m;  m.ReadFromOpenXMLFile(f, u"l1");   // true
#pragma once

#include <cstdint>

#include "platform/alignment.h"
#include "platform/events.h"
#include "platform/font.h"
#include "platform/textfile.h"
#include "ZYL_zylbase/enums.h"

namespace ZYL_zylbase {

class ZYL_API TCustomTextLabel : public zyl::TPersistent {
 public:
  TCustomTextLabel() = default;

  // Copies every field from another TCustomTextLabel, the OnChange handler
  // included and the font by value; fires nothing.
  void Assign(const zyl::TPersistent* Source) override;
  void AssignTo(zyl::TPersistent* Dest) const override;
  void Changed();

  double PosX() const noexcept { return FPosX; }
  double PosY() const noexcept { return FPosY; }
  std::int32_t Layer() const noexcept { return FLayer; }
  std::int32_t ShadowDx() const noexcept { return FXShadow; }
  std::int32_t ShadowDy() const noexcept { return FYShadow; }
  zyl::TColor ColorShadow() const noexcept { return FColorShadow; }
  zyl::TAlignment Alignment() const noexcept { return FAlignment; }
  TVerticalAlignment VertAlignment() const noexcept { return FVertAlign; }
  TTxtLblAttachMode AttachDat() const noexcept { return FAttachDat; }
  zyl::TColor ColorBkg() const noexcept { return FColorBkg; }
  zyl::TColor ColorBrd() const noexcept { return FColorBrd; }
  bool Transparent() const noexcept { return FTransPar; }
  const zyl::TFont& Font() const noexcept { return FFont; }
  const zyl::String& Caption() const noexcept { return FCaption; }
  TTxtLblMode Mode() const noexcept { return FMode; }
  bool Visible() const noexcept { return FVisible; }

  void SetTxtLblScreenPos(TTxtLblAttachMode Value);
  void SetTxtLblAlignment(zyl::TAlignment Value);
  void SetTxtLblVertAlignment(TVerticalAlignment Value);
  void SetTxtLblPosX(double Value);
  void SetTxtLblPosY(double Value);
  void SetTxtLblLayer(std::int32_t Value);
  void SetTxtLblColorBkg(zyl::TColor Value);
  void SetTxtLblColorBrd(zyl::TColor Value);
  void SetTxtLblColorShadow(zyl::TColor Value);
  void SetTxtLblShadowDx(std::int32_t Value);
  void SetTxtLblShadowDy(std::int32_t Value);
  void SetTxtLblVisible(bool Value);
  // Copies the font's attributes; the label never keeps the caller's font.
  void SetTxtLblFont(const zyl::TFont& Value);
  // Characters below code 32 other than line feed become blanks.
  void SetTxtLblCaption(const zyl::String& Value);
  void SetTxtLblTranspar(bool Value);
  void SetTxtLblMode(TTxtLblMode Value);

  // Writes the element at the file's position; I/O errors raise EInOutError.
  void WriteToOpenXMLFile(zyl::TextFile& F, bool Header, const zyl::String& Id, std::int32_t Indent) const;
  // Reads the element with this id (empty: the first one). False, label
  // unchanged, when no element is found; false, fields read so far kept,
  // when the file ends before the closing tag.
  bool ReadFromOpenXMLFile(zyl::TextFile& F, const zyl::String& Id);

  zyl::TNotifyEvent OnChange;

 private:
  void apply_tag(const zyl::String& Name, const zyl::String& Attributes, const zyl::String& Content);

  double FPosX = 100.0;
  double FPosY = 10.0;
  std::int32_t FLayer = 1;
  std::int32_t FXShadow = 0;
  std::int32_t FYShadow = 0;
  zyl::TColor FColorShadow = 0x808080;
  zyl::TAlignment FAlignment = zyl::TAlignment::taCenter;
  TVerticalAlignment FVertAlign = TVerticalAlignment::vaBottom;
  TTxtLblAttachMode FAttachDat = TTxtLblAttachMode::tlamNone;
  zyl::TColor FColorBkg = 0xC0C0C0;
  zyl::TColor FColorBrd = 0x000000;
  bool FTransPar = false;
  zyl::TFont FFont;  // owned by value: released exactly once with the label
  zyl::String FCaption;
  TTxtLblMode FMode = TTxtLblMode::tlsimple;
  bool FVisible = true;
};

}  // namespace ZYL_zylbase
