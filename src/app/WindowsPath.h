#pragma once
#include <string>
#include <string_view>

namespace lifeng {

// The path cut before its last separator ("\" or "/"), read as GBK so that a trail byte 0x5C
// is not taken for one; "" when the path has no separator. C:\Tools\gen.exe gives C:\Tools,
// C:\gen.exe gives C:.
std::string CutAtLastSeparator(std::string_view path);

}  // namespace lifeng
