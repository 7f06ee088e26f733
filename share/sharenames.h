#pragma once

// The names of ShareWindow's controls and the texts its handlers show, in one place. Names and
// texts are UTF-8 as written here; handlers turn texts into GBK with gbkFromUtf8.

#include <string_view>

namespace zanvik::share {

inline constexpr std::string_view titleBox = "编辑框_标题";
inline constexpr std::string_view pathBox = "编辑框_图片路径";
inline constexpr std::string_view browseButton = "按钮1";
inline constexpr std::string_view fileDialog = "通用对话框1";
inline constexpr std::string_view sizeLabel = "标签_大小";
inline constexpr std::string_view preview = "图片框1";
inline constexpr std::string_view resolutionLabel = "标签_分辨率";
inline constexpr std::string_view sendButton = "按钮2";
inline constexpr std::string_view reconnectButton = "按钮3";
inline constexpr std::string_view clientControl = "客户1";

inline constexpr std::string_view connectedCaption = "连接图片服务器成功";
inline constexpr std::string_view connectFailedCaption = "连接图片服务器失败";
inline constexpr std::string_view disconnectedCaption = "与图片服务器连接断开";
// Shown when the send button is pressed while an upload is still under way (see ShareClient).
inline constexpr std::string_view busyCaption = "正在上传，请稍候";
inline constexpr std::string_view progressPrefix = "已发送：";

inline constexpr std::string_view dialogTitle = "选择图片(仅支持jpg格式)";
inline constexpr std::string_view dialogFilter = "jpg图像文件(*.jpg)|*.jpg";

inline constexpr std::string_view incompleteInputText = "图片不存在或者标题不完整！";
inline constexpr std::string_view incompleteInputCaption = "温馨提示";

} // namespace zanvik::share
