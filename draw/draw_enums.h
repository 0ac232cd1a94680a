// Values of the GDI+ enumerations and image-format texts that the drawing layer passes through.
// Plain constants with GDI+'s own names and values; needs nothing.
#pragma once

namespace gdip {

// Status: every wrapper call leaves one of these in last_gdip_status.
constexpr int Ok = 0;
constexpr int GenericError = 1;
constexpr int InvalidParameter = 2;
constexpr int OutOfMemory = 3;
constexpr int InsufficientBuffer = 5;
constexpr int NotImplemented = 6;  // also: the flat function is missing from gdiplus.dll
constexpr int Win32Error = 7;
constexpr int FileNotFound = 10;
constexpr int UnknownImageFormat = 13;
constexpr int FontFamilyNotFound = 14;
constexpr int GdiplusNotInitialized = 18;

// Unit
constexpr int UnitWorld = 0;
constexpr int UnitDisplay = 1;
constexpr int UnitPixel = 2;
constexpr int UnitPoint = 3;

// FontStyle (bits)
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

// SmoothingMode
constexpr int SmoothingModeDefault = 0;
constexpr int SmoothingModeHighSpeed = 1;
constexpr int SmoothingModeHighQuality = 2;
constexpr int SmoothingModeNone = 3;
constexpr int SmoothingModeAntiAlias = 4;

// InterpolationMode
constexpr int InterpolationModeDefault = 0;
constexpr int InterpolationModeLowQuality = 1;
constexpr int InterpolationModeHighQuality = 2;
constexpr int InterpolationModeBilinear = 3;
constexpr int InterpolationModeBicubic = 4;
constexpr int InterpolationModeNearestNeighbor = 5;
constexpr int InterpolationModeHighQualityBilinear = 6;
constexpr int InterpolationModeHighQualityBicubic = 7;

// PixelOffsetMode
constexpr int PixelOffsetModeDefault = 0;
constexpr int PixelOffsetModeHighSpeed = 1;
constexpr int PixelOffsetModeHighQuality = 2;
constexpr int PixelOffsetModeNone = 3;
constexpr int PixelOffsetModeHalf = 4;

// CompositingQuality
constexpr int CompositingQualityDefault = 0;
constexpr int CompositingQualityHighSpeed = 1;
constexpr int CompositingQualityHighQuality = 2;
constexpr int CompositingQualityGammaCorrected = 3;
constexpr int CompositingQualityAssumeLinear = 4;

// CombineMode
constexpr int CombineModeReplace = 0;
constexpr int CombineModeIntersect = 1;
constexpr int CombineModeUnion = 2;
constexpr int CombineModeXor = 3;
constexpr int CombineModeExclude = 4;
constexpr int CombineModeComplement = 5;

// FillMode
constexpr int FillModeAlternate = 0;
constexpr int FillModeWinding = 1;

// StringAlignment
constexpr int StringAlignmentNear = 0;
constexpr int StringAlignmentCenter = 1;
constexpr int StringAlignmentFar = 2;

// StringTrimming
constexpr int StringTrimmingNone = 0;
constexpr int StringTrimmingCharacter = 1;
constexpr int StringTrimmingWord = 2;
constexpr int StringTrimmingEllipsisCharacter = 3;
constexpr int StringTrimmingEllipsisWord = 4;
constexpr int StringTrimmingEllipsisPath = 5;

// StringFormatFlags (bits)
constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
constexpr int StringFormatFlagsDirectionVertical = 0x0002;
constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
constexpr int StringFormatFlagsDisplayFormatControl = 0x0020;
constexpr int StringFormatFlagsNoFontFallback = 0x0400;
constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsLineLimit = 0x2000;
constexpr int StringFormatFlagsNoClip = 0x4000;

// RotateFlipType
constexpr int RotateNoneFlipNone = 0;
constexpr int Rotate90FlipNone = 1;
constexpr int Rotate180FlipNone = 2;
constexpr int Rotate270FlipNone = 3;
constexpr int RotateNoneFlipX = 4;
constexpr int Rotate90FlipX = 5;
constexpr int Rotate180FlipX = 6;
constexpr int Rotate270FlipX = 7;

// PixelFormat
constexpr int PixelFormat24bppRGB = 0x21808;
constexpr int PixelFormat32bppRGB = 0x22009;
constexpr int PixelFormat32bppARGB = 0x26200A;
constexpr int PixelFormat32bppPARGB = 0xE200B;

// Image formats as GUID text, the form the encoder look-up compares exactly.
constexpr const char* ImageFormatBMP = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatJPEG = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatPNG = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr const char* ImageFormatGIF = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";

// Opaque native objects; the wrappers' typed handles point at these.
struct Graphics;
struct Path;
struct Brush;
struct Pen;
struct Font;
struct FontFamily;
struct StringFormat;
struct Image;
struct Bitmap;

}  // namespace gdip
