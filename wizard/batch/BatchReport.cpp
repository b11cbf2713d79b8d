#include "BatchReport.h"

#include "platform/Cp1252.h"
#include "wizard/controller/WizardUpdate.h"

std::string BatchFinishReport(const tagFinishTexts& t) {
    return "Application Type: " + t.sApp + "\n" + "Fields to Update: " + t.sFields + "\n" +
           "Records Upated: " + t.sRecords + "\n" + "Result: " + platform::Cp1252ToUtf8(t.sResult) +
           "\n";
}
