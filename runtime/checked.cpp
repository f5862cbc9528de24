#include "runtime/checked.h"

#include "runtime/error.h"

namespace quorlin {

void raiseOverflow() { throw Error(ErrorKind::Overflow); }

} // namespace quorlin
