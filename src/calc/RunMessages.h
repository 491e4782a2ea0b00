#pragma once

// Every text the calculation run shows besides those it shares with the preparation
// (problem/ProblemMessages.h).
namespace run_messages {
inline constexpr const char* kRestart = "Restart the problem?";
inline constexpr const char* kNumberOfPoints = "Number of points equals to ";
inline constexpr const char* kErrorAt = "Error at ";
inline constexpr const char* kXRange =
    "The composition range is empty: #XMAX must be more than #XMIN";
inline constexpr const char* kXRangeTooWide =
    "The composition range is too wide to be divided into steps; narrow #XMIN and #XMAX";
inline constexpr const char* kYRangeTooWide =
    "The Y range is too wide to be divided into levels; narrow Ymin and Ymax";
inline constexpr const char* kXStepTooSmall =
    "The composition step is too small for the composition range; use fewer X points";
inline constexpr const char* kYStepTooSmall =
    "The level step is too small for the Y range; use fewer Y points";
inline constexpr const char* kTooManyTiePoints =
    "The tie lines would need more than 10 million end points; use fewer X or Y points";
inline constexpr const char* kGridTooLarge =
    "The phase-region grid would have more than 100 million cells; use fewer X or Y points";
}  // namespace run_messages
