// The binding's table with text translated: each call that takes or gives
// text passes it through CxLNLmbcs.h around the API's own call.
#pragma once
#include "common/lotus/binding/CxLNApi.h"

// The table of `stored` with those calls in its place; a call `stored`
// lacks stays null.
tagLNApiTable LNTextTable(const tagLNApiTable& stored);
