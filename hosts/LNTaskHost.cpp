#include "common/lotus/exchange/CxLNTask.h"
#include "hosts/HostMain.h"

int main(int argc, char** argv) {
    return hosts::HostMain<CxLNTaskUtil>(argc, argv, [](CxLNTaskUtil& util) { return util.Run(); });
}
