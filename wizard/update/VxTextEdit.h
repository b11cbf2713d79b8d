// The text operations of a String definition, at full length.
#pragma once
#include <string>

#include "wizard/update/Vxcommon.h"

// Every occurrence of `find` becomes `replacement`, in one pass from left
// to right that resumes after each inserted replacement; an empty `find`
// changes nothing.
std::string FUReplaceAll(const std::string& text, const std::string& find,
                         const std::string& replacement);

// What the definition makes of `current`; not yet cut to any buffer.
std::string FUEditText(const std::string& current, const tagFUFieldUpdate& def);

// What storing a text into a field did.
enum FUStoreResult { FU_STORE_SAME, FU_STORE_SET, FU_STORE_CUT };

// `text` into the field of `size` bytes, cut to size - 1 characters. A text
// equal to the field's leaves it alone, so a long text is never cut by an
// update that changes nothing.
FUStoreResult FUStoreText(char* field, int size, const std::string& text);
