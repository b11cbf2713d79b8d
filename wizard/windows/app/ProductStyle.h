// One look for every window of the wizard: the Fusion style, the product's
// font and its style sheet.
#pragma once

class QApplication;

void ApplyProductStyle(QApplication& app);
