// The mail database path derived from the user name. Deriving it needs the
// Notes API (OSPathNetConstruct), which the engine binds in a later stage;
// until then the name stays empty and the run goes on without it.
#include "CxLNBaseUtil.h"

bool CxLNBaseUtil::ConstructMailDBName_() {
    return true;
}
