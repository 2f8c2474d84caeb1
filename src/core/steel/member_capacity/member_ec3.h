#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "en1993/member_check.h"
#include "platform/dialogs.h"
#include "steel/member_capacity/member_state.h"
#include "steel/member_capacity/member_window.h"

namespace trabeo {

// The window's code choice.
inline constexpr std::string_view kMemberCodeBS5950 = "BS 5950-1";
inline constexpr std::string_view kMemberCodeEN1993 = "EN 1993-1-1";
inline constexpr std::string_view kMemberAnnexItems[] = {"UK", "Recommended"};

// The captions of the boxes the EN 1993-1-1 check reads; a refusal names the box by them.
inline constexpr std::string_view kLeCaption = "Common Effective Length (m)";
inline constexpr std::string_view kNEdCaption = "Factored Axial Load (kN)";
inline constexpr std::string_view kMyEd1Caption = "End 1 moment about x-x axis (kN-m)";
inline constexpr std::string_view kMzEd1Caption = "End 1 moment about y-y axis (kN-m)";
inline constexpr std::string_view kMyEd2Caption = "End 2 moment about x-x axis (kN-m)";
inline constexpr std::string_view kMzEd2Caption = "End 2 moment about y-y axis (kN-m)";
inline constexpr std::string_view kLcryCaption = "Lcr,y (m)";
inline constexpr std::string_view kLcrzCaption = "Lcr,z (m)";
inline constexpr std::string_view kLLTCaption = "L_LT (m)";
inline constexpr std::string_view kVEdCaption = "VEd (kN)";
inline constexpr std::string_view kC1Caption = "C1";

// The loaded section and the window's boxes as the EN 1993-1-1 member check takes them, in N,
// mm and N mm: the grade from the grade list, NEd from the axial load box (compression
// positive), MyEd1/MyEd2 and MzEd1/MzEd2 from the End 1 and End 2 moments about x-x and y-y,
// each buckling length from its own box or, left blank, from the common effective length (none
// when both are blank). Blank forces and moments are 0. A text that is not a number, a negative
// length, tension, a negative shear or a C1 not above 0 gives a message naming the box instead.
std::variant<en1993::MemberInput, std::string> Ec3MemberInputOf(const MemberCapacityState& s);

// The code chosen in the window: the shown results go, the section and the boxes stay.
void ChooseMemberCode(MemberCapacityWindow& w, DesignCode code);

// Typing in a box only the EN 1993-1-1 check reads: its results no longer stand.
void MemberEc3InputEdited(MemberCapacityWindow& w);

// "Check to EN 1993-1-1": the detail list in List_Data, the summary in List_Results and the
// classes in the class labels; a refusal is shown as a message and leaves no result.
void RunEc3MemberCheck(MemberCapacityWindow& w, Dialogs& dialogs);

// The summary of a check for List_Results and the printout: the classes, each utilisation with
// its verdict, and the verdict.
std::vector<std::string> Ec3MemberSummary(const en1993::MemberResult& result);

}  // namespace trabeo
