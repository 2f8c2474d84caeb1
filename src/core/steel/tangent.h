#pragma once

namespace trabeo {

// The tangent of an angle in radians, as sine over cosine.
double Func_Tan(double angle);

}  // namespace trabeo
