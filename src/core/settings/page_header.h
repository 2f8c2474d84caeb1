#pragma once

#include <string>
#include <string_view>

#include "fileio/fixed_text.h"
#include "platform/print_job.h"

namespace trabeo {

inline constexpr int kHeaderTextCapacity = kDescriptionCapacity;  // 100 characters

// The texts at the top of every printed page. All start empty; the beam and member capacity
// files store and restore them.
struct HeaderTexts {
  std::string HeaderCompany;
  std::string HeaderUser;
  std::string HeaderProject1;
  std::string HeaderProject2;
  std::string HeaderJobDesc;
  std::string HeaderJobRef;
  std::string CurrentFileName;  // the beam or member capacity file last opened or saved

  friend bool operator==(const HeaderTexts&, const HeaderTexts&) = default;
};

// The six texts the user edits in "Set Header"; OK stores what was typed, each cut to 100
// characters. The file name is not among them and is left as it is.
struct HeaderEntries {
  std::string company;
  std::string user;
  std::string project1;
  std::string project2;
  std::string jobDesc;
  std::string jobRef;
};

HeaderEntries EntriesOf(const HeaderTexts& texts);
void ApplyHeaderEntries(const HeaderEntries& entries, HeaderTexts& texts);

// A new project keeps the company and user and clears the rest.
void ClearProjectHeaderTexts(HeaderTexts& texts);

// The file name a printout shows: the current file name when it ends in `ownExtension` (for
// example ".trb" for the beam report; the letter case counts), otherwise none. An empty
// extension (the section property calculators) never shows a name.
std::string FileNameForPrintout(std::string_view currentFileName, std::string_view ownExtension);

// "date  time", the header's date line; the caller formats both in the user's short formats.
std::string HeaderDateTime(std::string_view date, std::string_view time);

// Draws the header at the top of the current page: the program title, the company, project and
// job texts, "by" the user, the date line, the page number and the file name, between two heavy
// rules. Positions are in units of 1/25 inch, rounded down to whole dots per axis; the page body
// starts below 35 units. Leaves the canvas with Arial 9 and a pen of width 3.
void PrintPageHeader(PrintJob& job, const HeaderTexts& texts, std::string_view programTitle,
                     std::string_view dateTimeText);

// The lower rule's distance from the top of the page, in dots: where the body may begin.
int PageHeaderBottom(const PrintJob& job);

}  // namespace trabeo
