// Library: zyl / Package: ZYL_zylbase / Module: enums
//
// The shared enumerations. Ordinals start at 0 in the order listed and are
// part of the contract (several names are written to files as text). Each
// is an enum class over std::uint8_t; Ord() gives the ordinal.
//
// Example:
//   Ord(TTriState::tsUndefined)             // == 2
//   Ord(TMouseActMode::maZoomPanColors)     // == 18
#pragma once

#include <cstdint>
#include <type_traits>

namespace ZYL_zylbase {

enum class TBkgFill : std::uint8_t { bfSimple, bfStretch, bfTile };
enum class TBoundingBox : std::uint8_t { bbNone, bbFrame, bbFaces };
enum class TColorScheme : std::uint8_t { csBWG, csSystem };
enum class TDecPSep : std::uint8_t { dsSystem, dsDot, dsComma, dsBoth };
enum class TFigType : std::uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum class TScaleType : std::uint8_t { sctXB, sctXT, sctYL, sctYR };
enum class TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };
enum class TYearLength : std::uint8_t { ylNone, ylYY, ylYYYY };
enum class TDateOrder : std::uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
enum class TDateForTime : std::uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
enum class TShadowStyle : std::uint8_t { ssFlying, ssBox };
enum class TFrameStyle : std::uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum class TDistMode : std::uint8_t { dmJaccard, dmManhattan, dmEuclid, dmEuclidSqr, dmDice, dmUserDef };
enum class TTimeFormat : std::uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
enum class TDirection : std::uint8_t { dirUpward, dirDownward, dirLeftward, dirRightward };
enum class TOrientation : std::uint8_t { orVert, orHoriz };
enum class TEdgeOp : std::uint8_t { eopMin, eopMax, eopSum, eopMean };
enum class TAxis : std::uint8_t { atXAxis, atYAxis, atZAxis };
enum class TDims : std::uint8_t { dimX, dimY, dimL, dimT };
enum class TTriState : std::uint8_t { tsFalse, tsTrue, tsUndefined };
enum class TCrossHMode : std::uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
enum class TTxtLblAttachMode : std::uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
enum class TTxtLblMode : std::uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
enum class TDegreeFormat : std::uint8_t { dfDeg, dfDegMin, dfDegMinSec, dfNumeric };
enum class TCSVDelimiters : std::uint8_t { csvUnknown, csvBlank, csvSemicolon, csvComma, csvColon, csvTab };
enum class TZoomPanMode : std::uint8_t { zpmPan, zpmColZoomLeft, zpmColZoomRight };
enum class TLanguage : std::uint8_t { lgUnknown, lgEnglish, lgGerman, lgFrench, lgSpanish };
enum class TVarKind : std::uint8_t { rnum, dnum, snum, inum, lnum, Bool, strg };
enum class TMouseBoxState : std::uint8_t { msNormal, msFirstCorner, msRectDraw, msFinished };
enum class TMouseActMode : std::uint8_t { maNone, maPan, maPanHoriz, maPanVert, maPanGrid, maRubberBand, maZoom, maZoomWind, maZoomWindPos, maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly, maSelectRect, maDrawMTrace, maZoomPanColors };
enum class TZoomState : std::uint8_t { zsNormal, zsDrawWin };

// The ordinal of an enumeration value.
template <typename E>
  requires std::is_enum_v<E>
constexpr int Ord(E Value) noexcept {
  return static_cast<int>(Value);
}

}  // namespace ZYL_zylbase
