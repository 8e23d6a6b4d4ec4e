#include "presets/preset_messages.h"

namespace kdsp {

std::string LoadQuestion(std::string_view name, Language language) {
    const std::string_view lead = language == Language::Chinese ? "加载模式：" : "Load File Data：";
    return std::string(lead) + std::string(name) + " ?";
}

} // namespace kdsp
