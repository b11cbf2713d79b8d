// The only way the stand-in's sources include the Notes header: every
// function it declares is published, everything else stays hidden.
#pragma once
#pragma GCC visibility push(default)
#include "notesapi.h"
#pragma GCC visibility pop
