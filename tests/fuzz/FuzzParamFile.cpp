// The parameter file of a helper run, read as a helper host reads it.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "common/lotus/exchange/CxLNParamParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const bool quiet = (fuzz::QuietLog(), true);
    (void)quiet;
    const std::string path = fuzz::WriteInput(data, size, "LNAddrParam.dat");
    CxLNParamParser parser;
    if (!parser.LoadFromFile(path.c_str()))
        return 0;
    char text[256];
    for (int32_t id = LN_PARAM_SERVER_NAME; id <= LN_PARAM_ID_FILE; ++id) {
        GetTextParam(&parser, id, text, sizeof text);
        GetNumberParam(&parser, id);
        int32_t type = 0;
        double value = 0;
        parser.GetParam(id, &value, sizeof value, &type);
    }
    return 0;
}
