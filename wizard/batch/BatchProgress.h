// The progress bar of the update on a terminal.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// "\r[#####...............]  25%"; the bar is 40 wide.
std::string BatchProgressLine(uint32_t index, uint32_t count);

class CxBatchProgress {
public:
    // Draws only when `out` is a terminal.
    explicit CxBatchProgress(std::FILE* out);
    void Step(uint32_t index, uint32_t count);
    // Ends the bar's line.
    void Finish();

private:
    std::FILE* m_out;
    bool m_bShown;
};
