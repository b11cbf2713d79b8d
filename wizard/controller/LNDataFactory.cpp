#include "LNDataFactory.h"

#include <new>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"

CxLNAddrUtil* ILNDataFactory::CreateAddrUtil() {
    return new (std::nothrow) CxLNAddrUtil;
}
CxLNDateUtil* ILNDataFactory::CreateDateUtil() {
    return new (std::nothrow) CxLNDateUtil;
}
CxLNTaskUtil* ILNDataFactory::CreateTaskUtil() {
    return new (std::nothrow) CxLNTaskUtil;
}
