#pragma once

#include "model/beam_model.h"

namespace trabeo {

// Both cantilevers, the LH end fixed, 25 point, uniform and trapezoidal loads with factors, and
// the self weight.
inline BeamModel HeavyBeam() {
  BeamModel model;
  model.LhCantilever = {1.0, 1800, 0, 0, 0};
  model.MainSpan = {1.0, 7200, 205000, 2.1e8, 0};
  model.RhCantilever = {1.0, 1500, 0, 0, 0};
  model.LhSupportKind = kFixedSupport;
  model.RhSupportKind = kPinnedSupport;
  model.SectionIxx = 2.1e8f;
  model.FibreDistance = 203;
  model.TotalLength = SumTotalLength(model.LhCantilever, model.MainSpan, model.RhCantilever);
  for (int row = 1; row <= kUserLoadRows; ++row) {
    const float x = static_cast<float>(row * 300);
    LoadRecord& load = model.Loads.row(row);
    switch (row % 3) {
      case 0:
        load = {kPointLoadKind, x, 4000.0f + static_cast<float>(row) * 150, 0, 0, 1.4f, 1, 0};
        break;
      case 1:
        load = {kDistributedLoadKind, x, 2.5f, 2.5f, 1900, 1.6f, 1, 0};
        break;
      default:
        load = {kDistributedLoadKind, x, 1.0f, 4.5f, 2300, 1.4f, 1, 0};
        break;
    }
  }
  model.Loads.row(kSelfWeightRow) = {
      kDistributedLoadKind, 0, 0.42f, 0.42f, static_cast<float>(model.TotalLength), 1.4f, 1, 0};
  return model;
}

}  // namespace trabeo
