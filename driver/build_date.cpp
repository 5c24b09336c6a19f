// Kept apart so that only this file carries the build date: the compiler
// takes __DATE__ from SOURCE_DATE_EPOCH when it is set.
#include "driver/version_text.h"

namespace brennholtzgate {

const std::string& buildDateText() {
  static const std::string text = __DATE__;
  return text;
}

}  // namespace brennholtzgate
