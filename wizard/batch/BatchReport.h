// The finish page's report as lines of text.
#pragma once
#include <string>

struct tagFinishTexts;

std::string BatchFinishReport(const tagFinishTexts& texts);
