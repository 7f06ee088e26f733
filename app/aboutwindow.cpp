#include "app/aboutwindow.h"

#include "app/launcherpictures.h"
#include "foundation/windows/fontsubstitutions.h"

namespace zanvik {

const WindowDefinition& aboutWindowDefinition() {
    using H = HorizontalAlignment;
    using V = VerticalAlignment;
    constexpr auto line = ControlKind::TransparentLabel;
    // One control a row, to read side by side with the window's description.
    // clang-format off
    static const WindowDefinition definition{
        .caption = "关于Zanvik",
        .outerSize = {430, 306},
        .backgroundPicture = launcherBackground,
        .backgroundMode = backgroundStretch,
        .icon = programIcon,
        .controls = {
            {.kind = line, .name = "透明标签1", .place = {72, 16, 280, 48},
             .text = "斗图一时爽，一直斗图一直爽",
             .font = FontSpec{.face = brushScriptFace, .height = 29, .gb2312 = true},
             .horizontalAlignment = H::Left, .verticalAlignment = V::Centre},
            {.kind = line, .name = "透明标签2", .place = {200, 128, 192, 40},
             .text = "by Zanvik Team",
             .font = FontSpec{.face = "Comic Sans MS", .height = 35},
             .horizontalAlignment = H::Left, .verticalAlignment = V::Centre},
            {.kind = line, .name = "透明标签4", .place = {16, 208, 160, 32},
             .text = "加入Zanvik用户群，第一时间获取更新消息",
             .font = FontSpec{.face = "微软雅黑", .height = 9, .weight = 700, .italic = true,
                              .gb2312 = true},
             .horizontalAlignment = H::Left, .verticalAlignment = V::Centre},
            {.kind = line, .name = "透明标签3", .place = {8, 240, 232, 40},
             .text = "软件出问题请联系 support@zanvik.example",
             .font = FontSpec{.face = "微软雅黑", .height = 12, .weight = 700, .italic = true,
                              .gb2312 = true},
             .horizontalAlignment = H::Left, .verticalAlignment = V::Centre},
        }};
    // clang-format on
    return definition;
}

} // namespace zanvik
