// Shuts the computer down, forcing programs that do not answer to end.
#pragma once

// Returns without shutting down when the process may not (the shutdown privilege could
// not be enabled); whether the system then shuts down is not checked.
void ShutDownComputer();
