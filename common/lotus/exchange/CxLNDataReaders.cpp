// The readers of the record kinds: one per kind and process, made on the
// kind's first helper run and destroyed when the process ends, which removes
// the kind's last parameter and exchange data files.
#include "CxLNDataReader.h"

#include <mutex>
#include <new>

namespace {

constexpr int kKinds[] = {1, 2, 4, 8};
constexpr int kKindCount = sizeof kKinds / sizeof kKinds[0];

class CxLNReaderTable {
public:
    ~CxLNReaderTable() { ReleaseAll(); }

    CxLNDataReader* Get(int kind) {
        const int slot = SlotOf(kind);
        if (slot < 0)
            return nullptr;
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_pReaders[slot])
            m_pReaders[slot] = new (std::nothrow) CxLNDataReader;
        return m_pReaders[slot];
    }

    void ReleaseAll() {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (CxLNDataReader*& reader : m_pReaders) {
            delete reader;
            reader = nullptr;
        }
    }

private:
    static int SlotOf(int kind) {
        for (int i = 0; i < kKindCount; ++i)
            if (kKinds[i] == kind)
                return i;
        return -1;
    }

    std::mutex m_mutex;
    CxLNDataReader* m_pReaders[kKindCount] = {};
};

// Destroyed with the other statics at the end of the process.
CxLNReaderTable g_readers;

} // namespace

CxLNDataReader* GetLNDataReader(int kind) {
    return g_readers.Get(kind);
}

void ReleaseLNDataReaders() {
    g_readers.ReleaseAll();
}
