// The host type list exports of qordahosts.h and their process-wide state:
// the writable protocol masks and the AUTO label.
#pragma once

namespace qorda {

// The string resource that holds the caller's label for AUTO.
inline constexpr unsigned kAutoLabelStringId = 188;

// Test seam: restores the load-time masks and an unloaded "AUTO" label, as
// a fresh load of the library has them. Internal, never exported.
void ResetHostTypesForTesting();

}  // namespace qorda
