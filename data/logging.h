#pragma once

namespace Logging {

// Unless QUILLET_VERBOSE is set: debug and info are dropped, warnings go to
// stderr as "WARN: <message>", critical and fatal as "<message>".
void installMessageFilter();

} // namespace Logging
