/* Notes C API: how a status is made. The low 14 bits hold a package and a
 * number within it; bit 15 says the status was shown already, bit 14 that it
 * came from a server. Compare codes and look up texts after ERR(). */
#ifndef ZEMBRIK_NOTESAPI_GLOBERR_H
#define ZEMBRIK_NOTESAPI_GLOBERR_H

#ifdef NOERROR
#undef NOERROR
#endif
#define NOERROR 0

#define STS_DISPLAYED 0x8000
#define STS_REMOTE 0x4000
#define ERR_MASK 0x3fff
#define PKG_MASK 0x3f00
#define ERRNUM_MASK 0x00ff

#define ERR(error) ((STATUS)((error) & ERR_MASK))
#define PKG(error) ((STATUS)((error) & PKG_MASK))
#define ERRNUM(error) ((STATUS)((error) & ERRNUM_MASK))
#define ERROR_DISPLAYED(error) (((error) & STS_DISPLAYED) != 0)
#define ERROR_REMOTE(error) (((error) & STS_REMOTE) != 0)

#define PKG_MAIN 0x0000
#define PKG_OS 0x0100
#define PKG_NSF 0x0200
#define PKG_NIF 0x0300
#define PKG_MISC 0x0400
#define PKG_FORMULA 0x0500
#define PKG_ODS 0x0600
#define PKG_CLIENT 0x0800
#define PKG_SERVER 0x0900
#define PKG_NETWORK 0x0A00
#define PKG_BSAFE 0x1700
#define PKG_SECURE 0x1900
/* Left to add-ins: the real runtime gives no status of its own here. */
#define PKG_ADDIN 0x3300

#endif
