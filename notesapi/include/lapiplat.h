/* Notes C API: the toolkit's version and its portable main entry. */
#ifndef ZEMBRIK_NOTESAPI_LAPIPLAT_H
#define ZEMBRIK_NOTESAPI_LAPIPLAT_H

#include "global.h"
#include "osmisc.h"

#define NOTESAPI_VERSION "Notes/Domino 9.0.1 (stand-in)"
#define NOTESAPI_MAJOR_VERSION 9
#define NOTESAPI_MINOR_VERSION 0
#define NOTESAPI_MINOR_POINT_VERSION 1

#define LAPI_MAIN STATUS LNPUBLIC NotesMain(int argc, char far *argv[])
#define LAPI_INIT(error)
#define LAPI_INIT_ERROR
#define LAPI_DUMP_ERROR(error)
#define LAPI_RETURN(status) return (status)

typedef char *LPSTR;

#endif
