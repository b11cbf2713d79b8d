#include "CxLNItemWrite.h"

#include <cstring>
#include <vector>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNCommon.h"
#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

WORD NameLength(const char* item) {
    return static_cast<WORD>(std::strlen(item));
}

// True when the note has an item of this name whose type is not plain text.
bool HoldsOtherThanText(NOTEHANDLE note, const char* item) {
    WORD type = 0;
    STATUS status =
        LNApi().NSFItemInfo(note, item, NameLength(item), nullptr, &type, nullptr, nullptr);
    return status == NOERROR && type != TYPE_TEXT;
}

} // namespace

void LNReportLeftAlone(const tagLNItemWriter& writer, const char* item) {
    char message[512];
    CxStrFormat(message, sizeof message,
                "Item %s of Notes document %u is not a plain text and is left unchanged.", item,
                static_cast<unsigned>(writer.nNoteID));
    CX_LOG_ERROR("%s", message);
    if (writer.pOwner)
        writer.pOwner->ReportError(message);
}

namespace {

// The document's text as a load into a field of `capacity` bytes sees it.
bool HoldsText(NOTEHANDLE note, const char* item, const char* value, std::size_t capacity) {
    if (capacity > MAXWORD)
        capacity = MAXWORD;
    std::vector<char> stored(capacity + 1, '\0');
    LNApi().NSFItemGetText(note, item, stored.data(), static_cast<WORD>(capacity));
    return std::strcmp(stored.data(), value) == 0;
}

bool HoldsTime(NOTEHANDLE note, const char* item, const TIMEDATE& time) {
    int order = 1;
    return LNApi().NSFItemTimeCompare(note, item, &time, &order) && order == 0;
}

// A date item without a time of day loads as that day at midnight; the same
// day at midnight is the same value, so a birthday keeps its form.
bool HoldsDateOf(NOTEHANDLE note, const char* item, double date, const TIMEDATE& time) {
    if (date != static_cast<double>(static_cast<long long>(date)))
        return false;
    TIMEDATE day = time;
    day.Innards[0] = ALLDAY;
    return HoldsTime(note, item, day);
}

} // namespace

void LNWriteTextItem(const tagLNItemWriter& writer, const char* item, const char* value,
                     std::size_t capacity) {
    if (!value || !*value)
        return;
    if (HoldsOtherThanText(writer.hNote, item)) {
        LNReportLeftAlone(writer, item);
        return;
    }
    if (HoldsText(writer.hNote, item, value, capacity))
        return;
    STATUS status =
        LNApi().NSFItemSetText(writer.hNote, item, value, static_cast<WORD>(std::strlen(value)));
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetText, error code=%d", status);
}

void LNWriteTimeItem(const tagLNItemWriter& writer, const char* item, double date) {
    if (date == 0.0)
        return;
    TIMEDATE time;
    if (!VariantTimeToTIMEDATE(date, &time))
        return;
    if (HoldsTime(writer.hNote, item, time) || HoldsDateOf(writer.hNote, item, date, time))
        return;
    STATUS status = LNApi().NSFItemSetTime(writer.hNote, item, &time);
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetTime, value=%f, error code=%d", date, status);
}

void LNWriteNumberItem(const tagLNItemWriter& writer, const char* item, int value) {
    NUMBER stored = 0;
    if (LNApi().NSFItemGetNumber(writer.hNote, item, &stored) && static_cast<int>(stored) == value)
        return;
    const NUMBER number = static_cast<NUMBER>(static_cast<float>(value));
    STATUS status = LNApi().NSFItemSetNumber(writer.hNote, item, &number);
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemSetNumber, error code=%d", status);
}
