#pragma once

namespace trabeo {

// The tangent of an angle in radians, as sine over cosine.
double TangentOfRadians(double angle);

}  // namespace trabeo
