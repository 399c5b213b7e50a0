#pragma once

#include <string>

// Process-wide settings beside Precision and Digits (core/Globals.h): the output format choice and the
// report options of the point-line-plane and matrix pages, set by the options dialog and kept in the
// settings file under these key names.

namespace quillon {

// Chosen output format: 0 general, 1 scientific, 2 fixed, 3 number. Field output keeps the general
// format whatever is chosen; the choice is stored and previewed.
extern int FloatFormat;

// Point-line-plane report options.
extern bool PLE_inputout;     // write the input values into the memo
extern bool PLE_Clear;        // clear the memo before each calculation
extern bool PLE_Trennstrich;  // separator line between results
extern bool PLE_mirror;       // mirror images
extern bool PLE_DistanceOut;  // distances
extern bool PLE_AddInfo;      // additional information (triangle area, sphere volume and surface)
extern bool PLE_Intersection; // intersection information

// Matrix report options.
extern bool Matrix_Clear;
extern bool Matrix_Trennstrich;
// Eigenvalues, eigenvectors and rotation at the end of the information report; off by default.
extern bool Matrix_Eigen;

// The currency codes the conversion dialog selects on the left and on the right.
extern std::string WLinks;
extern std::string WRechts;

// False while the main window starts up: the point-line-plane page does not read its sphere radius
// fields until the window is ready.
extern bool FormReady;

// Every value above back to the default of a settings file without the key.
void ResetOptions();

// FloatFormat as read from the file: anything but 1, 2 or 3 is the general format (0).
int ValidFloatFormat(int value);

} // namespace quillon
