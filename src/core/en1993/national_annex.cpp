#include "en1993/national_annex.h"

namespace trabeo::en1993 {

AnnexParameters ParametersOf(NationalAnnex annex) {
  AnnexParameters p;
  p.eta = annex == NationalAnnex::UK ? 1.0 : 1.2;
  return p;
}

}  // namespace trabeo::en1993
