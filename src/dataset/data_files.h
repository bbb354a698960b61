#pragma once

#include <map>
#include <string>

namespace tavu {

// The files of a `system` folder held in memory: file name -> its exact bytes.
using DataFiles = std::map<std::string, std::string>;

} // namespace tavu
