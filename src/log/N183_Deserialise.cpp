#include "log/N183_Deserialise.h"

namespace KelpLib {

N183_Deserialise::N183_Deserialise() { makeEmpty(sentence, sizeLimit); }

N183_Deserialise::~N183_Deserialise() { release(sentence); }

} // namespace KelpLib
