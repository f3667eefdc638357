// What the progress dialog shows besides the caption its callers give it.
#pragma once
#include <string>

namespace kakipo::texts {

inline const std::string progressCancelButton = "ｷｬﾝｾﾙ (ｽﾍﾟｰｽ or ﾘﾀｰﾝｷｰ)";

}  // namespace kakipo::texts
