// A Notes library that lacks most of the API, for the binding's refusal.
#include "global.h"

extern "C" {
STATUS LNPUBLIC NotesInitExtended(int, char**) {
    return NOERROR;
}
void LNPUBLIC NotesTerm(void) {}
}
