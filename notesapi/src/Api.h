// The only way the stand-in's sources include the Notes headers: every
// function they declare is published, everything else stays hidden.
#pragma once
#pragma GCC visibility push(default)
#include "bsafeerr.h"
#include "clerr.h"
#include "editods.h"
#include "global.h"
#include "idtable.h"
#include "kfm.h"
#include "lapicinc.h"
#include "misc.h"
#include "miscerr.h"
#include "nsfdata.h"
#include "nsfdb.h"
#include "nsferr.h"
#include "nsfnote.h"
#include "nsfsearc.h"
#include "ods.h"
#include "odserr.h"
#include "oserr.h"
#include "osfile.h"
#include "osmem.h"
#include "osmisc.h"
#include "ostime.h"
#include "secerr.h"
#include "textlist.h"
#include "zns.h"
#pragma GCC visibility pop
