#pragma once

#include "link/link_host.h"

#include <string_view>

namespace kdsp {

// A text in both console languages (UTF-8).
struct LinkText {
    std::string_view chinese;
    std::string_view english;
};

// LinkLabel captions.
inline constexpr LinkText SearchingStatus{"设备搜索...", "Search..."};
inline constexpr LinkText LinkingStatus{"连接中...", "Linking..."};
inline constexpr LinkText LoadingStatus{"加载中...", "Loading..."};
inline constexpr LinkText UploadingStatus{"下载数据...", "Download..."};
inline constexpr LinkText OnlineStatus{"设备已连接", "Online"};
inline constexpr LinkText OffLineStatus{"设备未连接", "Off Line"};

// Messages of the state entries. A lost link and a failed search read the
// same in English.
inline constexpr LinkText SaveSuccessMessage{"保存成功!", "Save Success!"};
inline constexpr LinkText PasswordChangedMessage{"密码修改成功!", "Password is changed!"};
inline constexpr LinkText LinkLostMessage{"已断开连接!", "Off Line!"};
inline constexpr LinkText LinkFailedMessage{"连接失败!", "Off Line!"};

inline constexpr Rgb OnlineColour{0, 51, 153};
inline constexpr Rgb LinkingColour{0, 0, 0};
inline constexpr Rgb OffLineColour{255, 0, 0};

// The status dialog's port label for the two transports without a port name.
inline constexpr std::string_view UsbPortLabel = "  USB";
inline constexpr std::string_view NetworkPortLabel = "Network";

} // namespace kdsp
