// A request to stop, made by SIGINT or SIGTERM: a program that catches them
// ends its work in order (helper runs end, files are removed) instead of dying.
#pragma once

namespace platform {

// From now on SIGINT and SIGTERM only set the request; a blocking read they
// interrupt returns.
void CatchInterrupts();
bool InterruptRequested();
// Sets or clears the request as a signal would (tests, and a program that
// has answered it).
void SetInterruptRequested(bool requested);

} // namespace platform
