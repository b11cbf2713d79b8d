// API start and stop.
#include "notesapi/src/Session.h"

STATUS LNPUBLIC NotesInitExtended(int, char**) {
    ZNS_API_LOCK;
    return zns::StartSession();
}

STATUS LNPUBLIC NotesInit(void) {
    return NotesInitExtended(0, nullptr);
}

void LNPUBLIC NotesTerm(void) {
    ZNS_API_LOCK;
    zns::EndSession();
}
