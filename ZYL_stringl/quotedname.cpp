// Library: zyl / Package: ZYL_stringl / Module: quotedname
#include "ZYL_stringl/quotedname.h"

namespace ZYL_stringl {

void ParseQuotedName(Char C, Char Quote, String& Name, TQuotedStrState& State) {
  using S = TQuotedStrState;
  switch (State) {
    case S::vsStart:
      if (C == u' ') return;
      if (C == Quote) {
        State = S::vs1stQuote;
      } else {
        Name += C;
        State = S::vsNormal;
      }
      return;
    case S::vs1stQuote:
    case S::vsQuote:
      if (C == Quote) {
        State = S::vsEnd;
      } else {
        Name += C;
        State = S::vsQuote;
      }
      return;
    case S::vsNormal:
      if (C <= u' ') {
        State = S::vsEnd;
      } else {
        Name += C;
      }
      return;
    case S::vsEnd:
      return;
  }
}

}  // namespace ZYL_stringl
