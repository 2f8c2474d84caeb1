#pragma once

#include <memory>

#include "engine/analysis.h"
#include "model/beam_model.h"

namespace trabeo::testing {

// Builds beams for the engine tests in a few readable lines.
class BeamBuilder {
 public:
  explicit BeamBuilder(double span, double E = 200000, double I = 1e8) {
    model_.MainSpan = {1.0, span, E, I, 0};
    model_.SectionIxx = static_cast<float>(I);
  }
  BeamBuilder& LhCantilever(double length) {
    model_.LhCantilever = {1.0, length, 0, 0, 0};
    return *this;
  }
  BeamBuilder& RhCantilever(double length) {
    model_.RhCantilever = {1.0, length, 0, 0, 0};
    return *this;
  }
  BeamBuilder& Fixed(bool lh, bool rh) {
    model_.LhSupportKind = lh ? kFixedSupport : kPinnedSupport;
    model_.RhSupportKind = rh ? kFixedSupport : kPinnedSupport;
    return *this;
  }
  BeamBuilder& Point(double x, double P, double factor = 1) {
    LoadRecord& row = NextRow();
    row = {kPointLoadKind,
           static_cast<float>(x),
           static_cast<float>(P),
           0,
           0,
           static_cast<float>(factor),
           1,
           0};
    return *this;
  }
  BeamBuilder& Udl(double x, double cover, double start, double finish, double factor = 1) {
    LoadRecord& row = NextRow();
    row = {kDistributedLoadKind,
           static_cast<float>(x),
           static_cast<float>(start),
           static_cast<float>(finish),
           static_cast<float>(cover),
           static_cast<float>(factor),
           1,
           0};
    return *this;
  }
  BeamBuilder& Row(int number, const LoadRecord& record) {
    model_.Loads.row(number) = record;
    return *this;
  }
  BeamBuilder& Fibre(float distance) {
    model_.FibreDistance = distance;
    return *this;
  }
  BeamBuilder& Code(DesignCode code) {
    model_.DesignCode = code;
    return *this;
  }
  BeamModel Build() const {
    BeamModel model = model_;
    model.TotalLength = SumTotalLength(model.LhCantilever, model.MainSpan, model.RhCantilever);
    return model;
  }

 private:
  LoadRecord& NextRow() { return model_.Loads.row(++rows_); }

  BeamModel model_;
  int rows_ = 0;
};

// Analyses a beam into a heap-held state (the results are too large for the test's stack).
struct Analysed {
  std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
  AnalysisReport report;

  explicit Analysed(const BeamModel& model, const AnalysisHooks& hooks = {})
      : report(RunAnalysis(model, *state, hooks)) {}
  const BeamResults& r() const { return state->results; }
};

}  // namespace trabeo::testing
