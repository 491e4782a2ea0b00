#pragma once

// Every text the problem table and the per-problem rules show.
namespace problem_messages {
inline constexpr const char* kClosedDataset = "Cannot perform this operation on a closed dataset";
inline constexpr const char* kEmptyDataset = "Cannot perform this operation on an empty dataset";
inline constexpr const char* kNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* kFieldNotFound = "Field '%s' not found";
inline constexpr const char* kTypeMismatch = "Type mismatch for field '%s', expecting: %s actual: %s";
inline constexpr const char* kNameRequired = "Problem name must be assigned";
inline constexpr const char* kYParameterRequired = "Y parameter must be selected";
inline constexpr const char* kMustBeAssigned = " must be assigned";
inline constexpr const char* kMustBePositive = " must have positive value";
inline constexpr const char* kInvalidNumber = "Invalid number: ";
inline constexpr const char* kPointPhaseX = "Point phase concentration is invalid or not defined";
inline constexpr const char* kPointPhaseG =
    "Gibbs energy expression for point phase is invalid or not defined";
inline constexpr const char* kNoGibbsEnergy = "Gibbs energy can not be computed";
inline constexpr const char* kYmaxBelowYmin = "Ymax must be more that Ymin";
}  // namespace problem_messages
