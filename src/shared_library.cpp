// The shared library is the internal library linked whole; its export list
// (exports.txt) decides which of its functions a caller can reach.
#include "qordahosts.h"
