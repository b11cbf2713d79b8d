#include "common/lotus/exchange/CxLNAddr.h"
#include "hosts/HostMain.h"

int main(int argc, char** argv) {
    return hosts::HostMain<CxLNAddrUtil>(argc, argv, [](CxLNAddrUtil& util) { return util.Run(); });
}
