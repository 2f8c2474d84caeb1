// The session's operations for the span and cantilever restraint forms.
#include "beam_input/intermediate_restraints.h"
#include "session/project_session.h"

namespace trabeo {

void ProjectSession::ChangeRestraints(const std::function<void(SteelRestraints&)>& change) {
  const SteelRestraints before = project_->restraints;
  change(project_->restraints);
  if (!(project_->restraints == before)) Invalidate();
}

void ProjectSession::ShowSpanForm(SpanFormState& form) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::ShowSpanForm(form, project_->model, project_->section.SectionDepth, units_, restraints);
  });
}

void ProjectSession::PickSpanOption(SpanFormState& form, SpanOption option) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::PickSpanOption(form, option, project_->model.MainSpan.Length,
                           project_->section.SectionDepth, units_, restraints);
  });
}

void ProjectSession::PickSpanFullyRestrained(SpanFormState& form) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::PickSpanFullyRestrained(form, project_->model.MainSpan.Length,
                                    project_->section.SectionDepth, units_, restraints);
  });
}

void ProjectSession::SwitchSpanView(SpanFormState& form, Dialogs& dialogs) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::SwitchSpanView(form, project_->model.MainSpan.Length, project_->section.SectionDepth,
                           units_, restraints, dialogs);
  });
}

void ProjectSession::ChangeRestraintCount(SpanFormState& form, int count) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::ChangeRestraintCount(form, count, project_->model.MainSpan.Length,
                                 project_->section.SectionDepth, units_, restraints);
  });
}

void ProjectSession::PickRestraintSpacing(SpanFormState& form, bool equal) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    trabeo::PickRestraintSpacing(form, equal, project_->model.MainSpan.Length,
                                 project_->section.SectionDepth, units_, restraints);
  });
}

void ProjectSession::ReadRestraintIntervals(SpanFormState& form) {
  ChangeRestraints([&](SteelRestraints& restraints) {
    ReadIntervals(form, project_->model.MainSpan.Length, project_->section.SectionDepth, units_,
                  restraints);
  });
}

SpanNextResult ProjectSession::AcceptSpanForm(SpanFormState& form, Dialogs& dialogs) {
  const SpanNextResult result =
      SpanFormNext(form, project_->model, units_, project_->restraints, dialogs);
  Invalidate();
  return result;
}

void ProjectSession::ResetSpanForm(SpanFormState& form) {
  trabeo::ResetSpanForm(form);
}

CantileverNextResult ProjectSession::AcceptCantileverForm(CantileverFormState& form,
                                                          CantileverSide side, Dialogs& dialogs) {
  const CantileverNextResult result =
      CantileverFormNext(form, side, project_->model, units_, project_->restraints, dialogs);
  Invalidate();
  return result;
}

}  // namespace trabeo
