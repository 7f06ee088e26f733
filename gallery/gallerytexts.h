#pragma once

// The gallery window's control names and the captions it writes into its title bar (UTF-8
// literals of the source; they are turned into GBK where the window shows them).

#include <string_view>

namespace zanvik::gallery {

inline constexpr std::string_view listBoxName = "列表框1";
inline constexpr std::string_view pictureBoxName = "图片框1";
inline constexpr std::string_view reconnectButtonName = "按钮1";
inline constexpr std::string_view pullListButtonName = "按钮2";
inline constexpr std::string_view noteLabelName = "透明标签1";
inline constexpr std::string_view clientName = "客户1";

namespace caption {
inline constexpr std::string_view initial = "自动复制选定图片粘贴即可发送";
inline constexpr std::string_view connected = "连接图片服务器成功";
inline constexpr std::string_view connectFailed = "连接图片服务器失败";
inline constexpr std::string_view pullingList = "正在拉取数据中....";
inline constexpr std::string_view arrivalLength = "加载图片碎片长度：";
inline constexpr std::string_view arrivalLoaded = "，已加载：";
inline constexpr std::string_view listEntryAdded = "列表处理完毕！";
inline constexpr std::string_view requesting = "正在请求图片数据，请勿关闭本窗口！";
inline constexpr std::string_view copiedBefore = "已将【";
inline constexpr std::string_view copiedAfter = "】复制到剪切板";
inline constexpr std::string_view downloadDone = "图片已经下载完毕！";
inline constexpr std::string_view disconnected = "服务器连接已断开。";
// A download that gave no picture: empty (the server's answer for a title it does not hold) or
// bytes that do not decode. Nothing is cached or copied.
inline constexpr std::string_view pictureBroken = "图片不存在或已损坏";
// A download that passed maxDownloadBytes: dropped.
inline constexpr std::string_view pictureTooLarge = "图片数据过大，已停止下载";
// A picture request that could not be sent: no connection.
inline constexpr std::string_view notConnected = "未连接图片服务器，请手动重连";
} // namespace caption

} // namespace zanvik::gallery
