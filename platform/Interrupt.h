// A request to stop, made by SIGINT or SIGTERM: a program that catches them
// ends its work in order (helper runs end, files are removed) instead of dying.
#pragma once

namespace platform {

// From now on SIGINT and SIGTERM only set the request; a blocking read they
// interrupt returns.
void CatchInterrupts();
// True after SIGINT or SIGTERM, and once the parent has ended when
// StopWhenParentEnds was called.
bool InterruptRequested();
// For a program another one started and waits for (a helper host): the end
// of that program is a request to stop too. The kernel sends SIGTERM when it
// ends; the parent is also looked for at every InterruptRequested, for one
// that ended before this call.
void StopWhenParentEnds();
// The parent watched by StopWhenParentEnds has ended.
bool ParentEnded();
// Sets or clears the request as a signal would (tests, and a program that
// has answered it).
void SetInterruptRequested(bool requested);

} // namespace platform
