#pragma once

// The numbers of the program's schematic pictures, 101 to 130: the calculators choose a picture by its
// number (the filter designs by their shape and order) and the windows load it by that number.

namespace vokta {

// The transformer's core sketches.
inline constexpr int kTapeWoundCorePicture = 101;
inline constexpr int kLaminatedCorePicture = 102;
inline constexpr int kToroidalCorePicture = 103;

// The filter circuits: each family takes consecutive numbers from the one given here, its lowest order
// (2) first.
inline constexpr int kHighPassLadderPictures = 104;  // orders 2..7: 104..109
inline constexpr int kLowPassLadderPictures = 110;   // orders 2..7: 110..115
inline constexpr int kHighPassActivePictures = 116;  // orders 2..5: 116..119
inline constexpr int kLowPassActivePictures = 120;   // orders 2..5: 120..123
inline constexpr int kBandPassLadderPictures = 124;  // orders 2..4: 124..126
inline constexpr int kBandStopLadderPictures = 127;  // orders 2..4: 127..129

// The three-point tuned circuit.
inline constexpr int kThreePointCircuitPicture = 130;

}  // namespace vokta
