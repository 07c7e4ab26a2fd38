// The whole document as one JSON object, for `zelvo-cli dump`.
#pragma once

#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::cli {

std::string documentJson(const CZelvoDoc& doc);

}  // namespace zelvo::cli
