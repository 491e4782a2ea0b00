#pragma once

// Every text the diagram window and the special points window show.
namespace diagrammsg {

inline constexpr const char* kCaption = "Diagram";
inline constexpr const char* kInitialTitle = "       T, K";
inline constexpr const char* kInitialFoot = "Mole fraction (X) of the component B in system A-B";
inline constexpr const char* kOrdinaryPoints = "Ordinary points";
inline constexpr const char* kSpecialPoints = "Special points";
inline constexpr const char* kNodeAt = "Node at ";
inline constexpr const char* kNodeUnit = "K";
inline constexpr const char* kEditChart = "Edit chart";
inline constexpr const char* kUndoZoom = "&Undo zoom";
inline constexpr const char* kCopy = "Copy";
inline constexpr const char* kCopyHint = "Copy the chart into clipboard";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kSavePicture = "Save picture...";
inline constexpr const char* kSavePictureHint = "Save the chart as SVG, PNG or PDF";
inline constexpr const char* kPictureFilter =
    "SVG picture (*.svg);;PNG picture (*.png);;PDF document (*.pdf)";
inline constexpr const char* kCannotWritePicture = "Cannot write ";
inline constexpr const char* kUnknownPictureType =
    "A picture is saved as .svg, .png or .pdf, not as ";
inline constexpr const char* kEditTextCaption = "Edit text";
inline constexpr const char* kEditTextPrompt = "New text";
inline constexpr const char* kChartFileName = "Chart.cfg";
inline constexpr const char* kCannotRead = "Cannot read the chart settings file ";
inline constexpr const char* kCannotWrite = "Cannot write the chart settings file ";

inline constexpr const char* kSpecPointsCaption = "Special points coordinates";
inline constexpr const char* kNodesGroup = " Nodes ";
inline constexpr const char* kOtherPointsGroup = " Other special points ";

}  // namespace diagrammsg
