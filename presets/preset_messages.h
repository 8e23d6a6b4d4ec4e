#pragma once

#include "presets/bilingual.h"

#include <string>
#include <string_view>

namespace kdsp {

// Texts the console has always shown, kept to the character (the English
// "File not find!" included) since users and manuals know them by heart.
inline constexpr Bilingual FileNotFoundMessage{"文件不存在", "File not find!"};
inline constexpr Bilingual FileFormatErrorMessage{"文件格式错误!", "File format error!"};
inline constexpr Bilingual FileCorruptedMessage{"数据文件损坏!", "Data file is corrupted!"};
inline constexpr Bilingual OverwriteCaption{"*系统提示*", "*Confirm*"};
inline constexpr Bilingual OverwriteQuestion{"文件已存在,覆盖它吗?",
                                             "File already exists, overwrite it right?"};
inline constexpr std::string_view LoadCaption = "Confirm"; // in both languages

// Texts of this console's own checks.
inline constexpr Bilingual InvalidFileNameMessage{
    "文件名无效：不能包含 \\ / : * ? \" < > |、\"..\" 或控制字符，也不能是 CON、NUL 等设备名!",
    "Invalid file name: it must not contain \\ / : * ? \" < > |, \"..\" or control characters, "
    "nor be a device name such as CON or NUL!"};
inline constexpr Bilingual SaveFailedMessage{"文件保存失败!", "The file could not be saved!"};

// "加载模式：NAME ?" / "Load File Data：NAME ?"
std::string LoadQuestion(std::string_view name, Language language);

} // namespace kdsp
