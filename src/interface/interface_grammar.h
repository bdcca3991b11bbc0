#pragma once
// The section types (window classes) and object types (control classes) an
// interface description may name, with the parameters each accepts.
#include <string_view>

namespace lumena {

bool IsValidSectionType(std::string_view type);
bool IsValidObjectType(std::string_view type);
// Names and types compare without regard to case.
bool IsValidSectionParam(std::string_view sectionType, std::string_view param);
bool IsValidObjectParam(std::string_view objectType, std::string_view param);

}  // namespace lumena
