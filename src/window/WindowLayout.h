#pragma once

#include <string_view>

// The main window as the user sees it, written down once for every toolkit
// that draws it. Sizes are pixels at 96 dots per inch (15 twips a pixel);
// each toolkit scales them with the screen.
namespace Conversion::WindowLayout {

struct Rectangle
{
    int left;
    int top;
    int width;
    int height;
};

// The caption is the product name (Common::Identity().productName).
inline constexpr int kClientWidth = 173; // 2595 twips
inline constexpr int kClientHeight = 88; // 1320 twips

// ConvertCmd, the one control: first in the tab order, the default button.
inline constexpr std::string_view kConvertCmdName = "ConvertCmd";
inline constexpr std::string_view kConvertCmdCaption = "Convert";
inline constexpr std::string_view kConvertCmdToolTip =
    "click to select a Kestrel file and generate a corresponding ADIF file";
inline constexpr Rectangle kConvertCmdGeometry{24, 32, 49, 25}; // 360, 480, 735 x 375 twips
inline constexpr int kConvertCmdTabIndex = 0;
// The label's font: the toolkit's own face at the size of classic Windows'
// dialog font, 8 points, or as much smaller as a wide face needs to keep the
// label this many pixels clear of the frame the button draws. No smaller than
// the least size, where a label still reads.
inline constexpr int kConvertCmdFontPoints = 8;
inline constexpr int kConvertCmdLeastFontPoints = 6;
inline constexpr int kConvertCmdLabelMargin = 2;

// The items of the window's menu (the system menu on Windows, a context menu
// elsewhere); the button stays the only control. The first is checked while
// the window writes standard ADIF 3.
inline constexpr std::string_view kStandardAdif3Name = "StandardAdif3";
inline constexpr std::string_view kStandardAdif3Caption = "Standard ADIF 3";
// The second asks, in a small dialog of the toolkit, for the callsign of the
// user's station that standard conversions write.
inline constexpr std::string_view kStationCallsignName = "StationCallsign";
inline constexpr std::string_view kStationCallsignCaption = "Station callsign...";
inline constexpr std::string_view kStationCallsignTitle = "Station callsign";
inline constexpr std::string_view kStationCallsignPrompt =
    "Your station's callsign, written into standard ADIF 3 (empty for none):";

// The sizes the application icon comes in, smallest first.
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128};

} // namespace Conversion::WindowLayout
