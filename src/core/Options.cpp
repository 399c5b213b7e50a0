#include "core/Options.h"

namespace quillon {

int FloatFormat = 0;

bool PLE_inputout = true;
bool PLE_Clear = true;
bool PLE_Trennstrich = true;
bool PLE_mirror = true;
bool PLE_DistanceOut = true;
bool PLE_AddInfo = true;
bool PLE_Intersection = true;

bool Matrix_Clear = true;
bool Matrix_Trennstrich = true;
bool Matrix_Eigen = false;

std::string WLinks = "DEM";
std::string WRechts = "EUR";

bool FormReady = false;

void ResetOptions() {
    FloatFormat = 0;
    PLE_inputout = PLE_Clear = PLE_Trennstrich = PLE_mirror = true;
    PLE_DistanceOut = PLE_AddInfo = PLE_Intersection = true;
    Matrix_Clear = Matrix_Trennstrich = true;
    Matrix_Eigen = false;
    WLinks = "DEM";
    WRechts = "EUR";
}

int ValidFloatFormat(int value) {
    return value >= 1 && value <= 3 ? value : 0;
}

} // namespace quillon
