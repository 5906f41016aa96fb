#pragma once
#include "list/MyDictionary.h"

namespace bw {

// The three built-in entries: "eBay Home", "eBay Search", "My eBay".
MyDictionary builtInUrlList();

// The URL list from the store: the built-in list when "URLs"/"Count" reads
// 99 (also when missing), else entries 1..Count. Throws Error 13 when Count
// does not convert.
MyDictionary readUrlList();

// Writes gdicURLs to the store; a failure is logged under "modMain.SaveURLs".
void SaveURLs();

}  // namespace bw
