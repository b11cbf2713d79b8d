#include "CxLNApiText.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/lotus/binding/CxLNValueText.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const tagLNApiTable& Api() {
    return LNStoredApi();
}

// A text argument in LMBCS. Null stays null; a length of MAXWORD means the
// text is terminated, and stays so.
class CxLNTextArg {
public:
    explicit CxLNTextArg(const char* text) : CxLNTextArg(text, MAXWORD) {}
    CxLNTextArg(const char* text, WORD length)
        : m_null(!text), m_terminated(length == MAXWORD),
          m_text(text ? LNToLmbcs(text, m_terminated ? std::strlen(text) : length)
                      : std::string()) {
        if (!m_terminated)
            m_text.resize(LNLmbcsCut(m_text.data(), m_text.size(), MAXWORD - 1));
    }

    const char* Get() const { return m_null ? nullptr : m_text.c_str(); }
    char* Mutable() { return m_null ? nullptr : &m_text[0]; }
    WORD Length() const { return m_terminated ? MAXWORD : static_cast<WORD>(m_text.size()); }

private:
    bool m_null;
    bool m_terminated;
    std::string m_text;
};

// A buffer for LMBCS the API gives where the caller has `size` bytes for
// the code page: room for as many characters of up to 3 bytes each.
std::vector<char> LmbcsBuffer(std::size_t size) {
    return std::vector<char>(std::min<std::size_t>(size * 3 + 3, MAXWORD) + 1, '\0');
}

WORD BufferSize(const std::vector<char>& buffer) {
    return static_cast<WORD>(buffer.size() - 1);
}

void Report(const char* what, const char* name, std::size_t replaced) {
    if (replaced > 0)
        CX_LOG_ERROR("%u character(s) of %s%s have no form in code page 1252 and read as '?'",
                     static_cast<unsigned>(replaced), what, name ? name : "");
}

// The terminated LMBCS of `lmbcs` in the code page, cut to `size` - 1 and
// terminated in `out`; its length.
std::size_t PutText(const char* lmbcs, char* out, std::size_t size, const char* what) {
    std::size_t replaced = 0;
    const std::string text = LNFromLmbcs(lmbcs, std::strlen(lmbcs), &replaced);
    Report(what, nullptr, replaced);
    CxStrCopyN(out, size, text.c_str(), text.size());
    return size ? std::min(text.size(), size - 1) : 0;
}

WORD LNPUBLIC LoadString(HMODULE module, STATUS code, char* buffer, WORD length) {
    if (!buffer || length == 0)
        return Api().OSLoadString(module, code, buffer, length);
    std::vector<char> lmbcs = LmbcsBuffer(length);
    Api().OSLoadString(module, code, lmbcs.data(), BufferSize(lmbcs));
    return static_cast<WORD>(PutText(lmbcs.data(), buffer, length, "a status text"));
}

WORD LNPUBLIC GetDataDirectory(char* path) {
    if (!path)
        return Api().OSGetDataDirectory(path);
    char lmbcs[MAXPATH] = "";
    Api().OSGetDataDirectory(lmbcs);
    return static_cast<WORD>(PutText(lmbcs, path, MAXPATH, "the data folder"));
}

STATUS LNPUBLIC PathNetConstruct(const char* port, const char* server, const char* file,
                                 char* path) {
    char lmbcs[MAXPATH] = "";
    const STATUS status =
        Api().OSPathNetConstruct(CxLNTextArg(port).Get(), CxLNTextArg(server).Get(),
                                 CxLNTextArg(file).Get(), path ? lmbcs : nullptr);
    if (path)
        PutText(lmbcs, path, MAXPATH, "a path");
    return status;
}

STATUS LNPUBLIC SwitchToIDFile(char* file, char* password, char* user, WORD size, DWORD flags,
                               void* reserved) {
    CxLNTextArg lmbcsFile(file), lmbcsPassword(password);
    std::vector<char> lmbcsUser = LmbcsBuffer(std::max<std::size_t>(size, MAXUSERNAME));
    const STATUS status = Api().SECKFMSwitchToIDFile(lmbcsFile.Mutable(), lmbcsPassword.Mutable(),
                                                     user ? lmbcsUser.data() : nullptr,
                                                     BufferSize(lmbcsUser), flags, reserved);
    if (user && size > 0)
        PutText(lmbcsUser.data(), user, size, "the user name");
    return status;
}

STATUS LNPUBLIC GetUserName(char* user) {
    if (!user)
        return Api().SECKFMGetUserName(user);
    char lmbcs[MAXUSERNAME] = "";
    const STATUS status = Api().SECKFMGetUserName(lmbcs);
    PutText(lmbcs, user, MAXUSERNAME, "the user name");
    return status;
}

STATUS LNPUBLIC DbOpen(const char* path, DBHANDLE* db) {
    return Api().NSFDbOpen(CxLNTextArg(path).Get(), db);
}

// Positions of a compile error count the formula's LMBCS bytes.
STATUS LNPUBLIC FormulaCompile(char* name, WORD nameLength, const char* text, WORD textLength,
                               FORMULAHANDLE* formula, WORD* formulaLength, STATUS* error,
                               WORD* line, WORD* column, WORD* offset, WORD* errorLength) {
    CxLNTextArg lmbcsName(name, nameLength), lmbcsText(text, textLength);
    return Api().NSFFormulaCompile(lmbcsName.Mutable(), name ? lmbcsName.Length() : nameLength,
                                   lmbcsText.Get(), lmbcsText.Length(), formula, formulaLength,
                                   error, line, column, offset, errorLength);
}

struct tagLNSearchCall {
    NSFSEARCHPROC pRoutine;
    void* pParam;
};

STATUS LNCALLBACK SearchMatch(void* param, SEARCH_MATCH* match, ITEM_TABLE* summary) {
    const tagLNSearchCall* call = static_cast<const tagLNSearchCall*>(param);
    if (!summary || !match)
        return call->pRoutine(call->pParam, match, summary);
    std::size_t replaced = 0;
    std::vector<char> text = LNSummaryFromLmbcs(summary, &replaced);
    Report("a summary", nullptr, replaced);
    SEARCH_MATCH copy;
    std::memcpy(&copy, match, sizeof copy);
    copy.SummaryLength = static_cast<WORD>(text.size());
    return call->pRoutine(call->pParam, &copy, reinterpret_cast<ITEM_TABLE*>(text.data()));
}

STATUS LNPUBLIC Search(DBHANDLE db, FORMULAHANDLE formula, char* view, WORD flags, WORD classes,
                       TIMEDATE* since, NSFSEARCHPROC routine, void* param, TIMEDATE* until) {
    CxLNTextArg lmbcsView(view);
    tagLNSearchCall call = {routine, param};
    return Api().NSFSearch(db, formula, lmbcsView.Mutable(), flags, classes, since,
                           routine ? SearchMatch : nullptr, &call, until);
}

struct tagLNScanCall {
    NSFITEMSCANPROC pRoutine;
    void* pParam;
};

STATUS LNCALLBACK ScanItem(WORD spare, WORD flags, char* name, WORD nameLength, void* value,
                           DWORD valueLength, void* param) {
    const tagLNScanCall* call = static_cast<const tagLNScanCall*>(param);
    WORD type = 0;
    if (value && valueLength >= sizeof type)
        std::memcpy(&type, value, sizeof type);
    const bool text = type == TYPE_TEXT || type == TYPE_TEXT_LIST;
    const char* bytes = static_cast<const char*>(value);
    if ((!name || LNIsPlainText(name, nameLength)) &&
        (!text || LNIsPlainText(bytes + sizeof type, valueLength - sizeof type)))
        return call->pRoutine(spare, flags, name, nameLength, value, valueLength, call->pParam);
    std::size_t replaced = 0;
    std::string itemName = LNFromLmbcs(name, nameLength, &replaced);
    std::string itemValue(bytes, text ? sizeof type : valueLength);
    if (text)
        itemValue +=
            LNValueFromLmbcs(type, bytes + sizeof type, valueLength - sizeof type, &replaced);
    Report("item ", itemName.c_str(), replaced);
    return call->pRoutine(spare, flags, &itemName[0], static_cast<WORD>(itemName.size()),
                          &itemValue[0], static_cast<DWORD>(itemValue.size()), call->pParam);
}

STATUS LNPUBLIC ItemScan(NOTEHANDLE note, NSFITEMSCANPROC routine, void* param) {
    tagLNScanCall call = {routine, param};
    return Api().NSFItemScan(note, routine ? ScanItem : nullptr, &call);
}

STATUS LNPUBLIC ItemSetText(NOTEHANDLE note, const char* item, const char* text, WORD length) {
    CxLNTextArg lmbcsText(text, length);
    return Api().NSFItemSetText(note, CxLNTextArg(item).Get(), lmbcsText.Get(), lmbcsText.Length());
}

WORD LNPUBLIC ItemGetText(NOTEHANDLE note, const char* item, char* buffer, WORD length) {
    if (!buffer || length == 0)
        return Api().NSFItemGetText(note, CxLNTextArg(item).Get(), buffer, length);
    std::vector<char> lmbcs = LmbcsBuffer(length);
    const WORD got =
        Api().NSFItemGetText(note, CxLNTextArg(item).Get(), lmbcs.data(), BufferSize(lmbcs));
    std::size_t replaced = 0;
    const std::string text =
        LNFromLmbcs(lmbcs.data(), std::min<std::size_t>(got, lmbcs.size()), &replaced);
    Report("item ", item, replaced);
    CxStrCopyN(buffer, length, text.data(), text.size());
    return static_cast<WORD>(std::min<std::size_t>(text.size(), length - 1u));
}

STATUS LNPUBLIC ItemSetTime(NOTEHANDLE note, const char* item, const TIMEDATE* time) {
    return Api().NSFItemSetTime(note, CxLNTextArg(item).Get(), time);
}

STATUS LNPUBLIC ItemSetNumber(NOTEHANDLE note, const char* item, const NUMBER* number) {
    return Api().NSFItemSetNumber(note, CxLNTextArg(item).Get(), number);
}

BOOL LNPUBLIC ItemTextEqual(NOTEHANDLE note, const char* item, const char* text, WORD length,
                            BOOL caseSensitive) {
    CxLNTextArg lmbcsText(text, length);
    return Api().NSFItemTextEqual(note, CxLNTextArg(item).Get(), lmbcsText.Get(),
                                  lmbcsText.Length(), caseSensitive);
}

BOOL LNPUBLIC ItemTimeCompare(NOTEHANDLE note, const char* item, const TIMEDATE* time, int* order) {
    return Api().NSFItemTimeCompare(note, CxLNTextArg(item).Get(), time, order);
}

BOOL LNPUBLIC ItemGetNumber(NOTEHANDLE note, const char* item, NUMBER* number) {
    return Api().NSFItemGetNumber(note, CxLNTextArg(item).Get(), number);
}

// Rich text crosses as it is: its runs are translated where they are made
// and read (CxLNRichText).
STATUS LNPUBLIC ItemAppend(NOTEHANDLE note, WORD flags, const char* name, WORD nameLength,
                           WORD type, const void* value, DWORD valueLength) {
    CxLNTextArg lmbcsName(name, nameLength);
    const bool text = (type == TYPE_TEXT || type == TYPE_TEXT_LIST) && value;
    const std::string lmbcsValue =
        text ? LNValueToLmbcs(type, static_cast<const char*>(value), valueLength) : std::string();
    return Api().NSFItemAppend(note, flags, lmbcsName.Get(), name ? lmbcsName.Length() : nameLength,
                               type, text ? lmbcsValue.data() : value,
                               text ? static_cast<DWORD>(lmbcsValue.size()) : valueLength);
}

STATUS LNPUBLIC ItemDelete(NOTEHANDLE note, const char* name, WORD length) {
    CxLNTextArg lmbcsName(name, length);
    return Api().NSFItemDelete(note, lmbcsName.Get(), name ? lmbcsName.Length() : length);
}

STATUS LNPUBLIC ItemInfo(NOTEHANDLE note, const char* name, WORD length, BLOCKID* item, WORD* type,
                         BLOCKID* value, DWORD* valueLength) {
    CxLNTextArg lmbcsName(name, length);
    return Api().NSFItemInfo(note, lmbcsName.Get(), name ? lmbcsName.Length() : length, item, type,
                             value, valueLength);
}

template <class F> F Wrapped(F stored, F wrapper) {
    return stored ? wrapper : nullptr;
}

} // namespace

tagLNApiTable LNTextTable(const tagLNApiTable& stored) {
    tagLNApiTable table = stored;
    table.OSLoadString = Wrapped(stored.OSLoadString, LoadString);
    table.OSGetDataDirectory = Wrapped(stored.OSGetDataDirectory, GetDataDirectory);
    table.OSPathNetConstruct = Wrapped(stored.OSPathNetConstruct, PathNetConstruct);
    table.SECKFMSwitchToIDFile = Wrapped(stored.SECKFMSwitchToIDFile, SwitchToIDFile);
    table.SECKFMGetUserName = Wrapped(stored.SECKFMGetUserName, GetUserName);
    table.NSFDbOpen = Wrapped(stored.NSFDbOpen, DbOpen);
    table.NSFFormulaCompile = Wrapped(stored.NSFFormulaCompile, FormulaCompile);
    table.NSFSearch = Wrapped(stored.NSFSearch, Search);
    table.NSFItemScan = Wrapped(stored.NSFItemScan, ItemScan);
    table.NSFItemSetText = Wrapped(stored.NSFItemSetText, ItemSetText);
    table.NSFItemGetText = Wrapped(stored.NSFItemGetText, ItemGetText);
    table.NSFItemSetTime = Wrapped(stored.NSFItemSetTime, ItemSetTime);
    table.NSFItemSetNumber = Wrapped(stored.NSFItemSetNumber, ItemSetNumber);
    table.NSFItemTextEqual = Wrapped(stored.NSFItemTextEqual, ItemTextEqual);
    table.NSFItemTimeCompare = Wrapped(stored.NSFItemTimeCompare, ItemTimeCompare);
    table.NSFItemGetNumber = Wrapped(stored.NSFItemGetNumber, ItemGetNumber);
    table.NSFItemAppend = Wrapped(stored.NSFItemAppend, ItemAppend);
    table.NSFItemDelete = Wrapped(stored.NSFItemDelete, ItemDelete);
    table.NSFItemInfo = Wrapped(stored.NSFItemInfo, ItemInfo);
    return table;
}
