// A longitude as sign, degree and minute, and its two text forms
// («05 LEO 30» and «05 ARI 07m 33s»); a declination as «12 S 34».
#pragma once

#include <string>

namespace quaeryn {

struct SignPosition {
    int sign = 1;     // 1 Aries … 12 Pisces
    int degrees = 0;  // within the sign
    int minutes = 0;
    int seconds = 0;  // SplitPositionSeconds only
};

// The longitude folded into 0 up to 360 first. Minutes rounded (never
// carrying into the degree).
SignPosition SplitPosition(double longitude);
// Minutes and seconds truncated.
SignPosition SplitPositionSeconds(double longitude);

// "dd SGN mm", e.g. 125.5 gives "05 LEO 30".
std::string FormatPosition(double longitude);
// "dd SGN mmm ss" as "05 ARI 07m 33s".
std::string FormatPositionSeconds(double longitude);

// A declination as «12 S 34»: whole degrees and minutes of its absolute
// value (split as a position is), "N" for north or zero, "S" for south.
std::string DeclinationText(double declination);

}  // namespace quaeryn
