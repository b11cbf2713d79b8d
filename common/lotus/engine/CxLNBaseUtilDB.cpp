// Database side of the frame: the base class has no database of its own.
#include "common/lotus/exchange/CxLNBaseUtil.h"

bool CxLNBaseUtil::LoadFromDB() {
    return false;
}

bool CxLNBaseUtil::SaveToDB() {
    return false;
}
