#include "common/lotus/exchange/CxLNDate.h"
#include "hosts/HostMain.h"

int main(int argc, char** argv) {
    return hosts::HostMain<CxLNDateUtil>(argc, argv, [](CxLNDateUtil& util) { return util.Run(); });
}
