// Library: zyl / Package: ZYL_zylbase / Module: nametables
#include "ZYL_zylbase/nametables.h"

namespace ZYL_zylbase {

const TNameTable<3> xmlVerticalAlignment = {u"vaTop", u"vaCenter", u"vaBottom"};
const TNameTable<3> xmlAlignment = {u"taLeftJustify", u"taRightJustify", u"taCenter"};
const TNameTable<3> xmlBkgFill = {u"bfSimple", u"bfStretch", u"bfTile"};
const TNameTable<3> xmlBoundingBox = {u"bbNone", u"bbFrame", u"bbFaces"};
const TNameTable<2> xmlColorScheme = {u"csBWG", u"csSystem"};
const TNameTable<5> xmlFigType = {u"ftNoFigs", u"ftNum", u"ftTime", u"ftDateTime", u"ftUserText"};
const TNameTable<4> xmlScaleType = {u"sctXB", u"sctXT", u"sctYL", u"sctYR"};
const TNameTable<3> xmlYearLength = {u"ylNone", u"ylYY", u"ylYYYY"};
const TNameTable<3> xmlDateOrder = {u"doMMDDYY", u"doDDMMYY", u"doYYMMDD"};
const TNameTable<4> xmlDateForTime = {u"dtNone", u"dtOnePerChart", u"dtOnePerDay", u"dtAllTicks"};
const TNameTable<2> xmlShadowStyle = {u"ssFlying", u"ssBox"};
const TNameTable<6> xmlFrameStyle = {u"fsNone",    u"fsSimple",   u"fsLowered",
                                     u"fsRaised", u"fsEmbossed", u"fsEngraved"};
const TNameTable<3> xmlTimeFormat = {u"tfHHMMSS", u"tfHHhMM", u"tfAMPM"};
const TNameTable<4> xmlDirection = {u"dirUpward", u"dirDownward", u"dirLeftward", u"dirRightward"};
const TNameTable<5> xmlLanguage = {u"lgUnknown", u"lgEnglish", u"lgGerman", u"lgFrench", u"lgSpanish"};
const TNameTable<7> xmlVarKind = {u"rnum", u"dnum", u"snum", u"inum", u"lnum", u"bool", u"strg"};
const TNameTable<4> xmlMouseBoxState = {u"msNormal", u"msFirstCorner", u"msRectDraw", u"msFinished"};
const TNameTable<19> xmlMouseActMode = {
    u"maNone",       u"maPan",         u"maPanHoriz",     u"maPanVert",     u"maPanGrid",
    u"maRubberBand", u"maZoom",        u"maZoomWind",     u"maZoomWindPos", u"maZoomDrag",
    u"maDragCrossH", u"maDragLabel",   u"maRotate",       u"maRotAndZoom",  u"maRotXOnly",
    u"maRotZOnly",   u"maSelectRect",  u"maDrawMTrace",   u"maZoomPanColors"};
const TNameTable<2> xmlZoomState = {u"zsNormal", u"zsDrawWin"};
const TNameTable<6> xmlCrossHMode = {u"chOff", u"chHoriz", u"chVert", u"chBoth", u"chCrossBox", u"chBox"};
const TNameTable<5> xmlTxtLblMode = {u"tlOff", u"tlsimple", u"tlBox", u"tlUnderline", u"tlShadow"};
const TNameTable<4> xmlTxtLblAttachMode = {u"tlamNone", u"tlamXOnly", u"tlamYOnly", u"tlamBoth"};
const TNameTable<4> xmlFontStyle = {u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"};

const std::array<zyl::Char, 6> CSVDELIMITERS = {0, u' ', u';', u',', u':', u'\t'};
const TNameTable<6> CSVDELIMITERIDS = {u"undefined", u"blank", u"semicolon", u"comma", u"colon", u"tab"};
const TNameTable<6> DistModeId = {u"Jaccard coefficient", u"Manhattan",        u"Euclidean",
                                  u"squared Euclidean",   u"Dice coefficient", u"user defined"};

TCSVDelimiters ResolveCSVDelimiter(zyl::Char C) noexcept {
  for (int i = Ord(TCSVDelimiters::csvBlank); i <= Ord(TCSVDelimiters::csvTab); ++i) {
    if (CSVDELIMITERS[static_cast<std::size_t>(i)] == C) return static_cast<TCSVDelimiters>(i);
  }
  return TCSVDelimiters::csvUnknown;
}

}  // namespace ZYL_zylbase
