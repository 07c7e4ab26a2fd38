// The whole document as one JSON object, for `zelvo-cli dump`.
#pragma once

#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::cli {

std::string documentJson(const CZelvoDoc& doc);
// The status rules applied to everyone on the active list, in list order.
std::string statusJson(const CZelvoDoc& doc);

}  // namespace zelvo::cli
