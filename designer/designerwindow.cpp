#include "designer/designerwindow.h"

#include "assets/templates/templatepictures.h"
#include "designer/designerrows.h"

namespace zanvik {

namespace {

using namespace designer;
namespace pictures = assets::templates;

constexpr std::string_view captionNote = "如果格式不对 按住鼠标可以调整位置";

Handler copyHandler(const CopyTarget& target) {
    return [&target](Window& window) { copyImage(window, target); };
}

} // namespace

const WindowDefinition& designerWindowDefinition() {
    static const WindowDefinition definition{
        .caption = "设计区",
        .outerSize = {538, 449},
        .border = WindowBorder::Fixed,
        .closeButton = true,
        .minimiseButton = false,
        .maximiseButton = false,
        .backColour = Colour::buttonFace(),
        .escCloses = true,
        .controls = {
            // Wider than the client area: the window cuts off the tab control's right edge.
            {.kind = ControlKind::TabControl,
             .name = tabControlName,
             .place = {0, 0, 568, 440},
             .font = FontSpec{.face = "SimSun", .height = 12, .gb2312 = true},
             .pageTitles = {"A", "B", "C", "D", "E", "F", "G"},
             .currentPage = 0},

            // Page "A": template a, two overlapping captions.
            pictureRow("a", 0, {168, 48, 184, 200}, pictures::a, displayModeStretch),
            propertiesRow("分组框1", 0),
            noteRow("标签_a_第一句", "分组框1", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("a3", "分组框1", {80, 24, 184, 24}, "孩子 你需要治疗", "a1"),
            noteRow("标签_a_提示1", "分组框1", {272, 24, 232, 24}, captionNote),
            noteRow("标签_a_第二句", "分组框1", {16, 56, 56, 24}, "第二句话"),
            captionEditRow("a4", "分组框1", {80, 56, 184, 24}, "Don't give up cure", "a2"),
            noteRow("标签_a_提示2", "分组框1", {272, 56, 232, 24}, captionNote),
            pathBoxRow("a5", "分组框1"),
            copyButtonRow("按钮1", "分组框1", copyHandler(templateA)),
            captionRow("a1", 0, {152, 184, 224, 72}, "孩子 你需要治疗"),
            captionRow("a2", 0, {152, 216, 224, 56}, "Don't give up cure"),

            // Page "B": template b.
            pictureRow("b", 1, {168, 32, 184, 232}, pictures::b, displayModeStretch),
            propertiesRow("分组框2", 1),
            noteRow("标签_b_第一句", "分组框2", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("b2", "分组框2", {80, 24, 184, 24}, "谁给你的勇气？", "b1"),
            noteRow("标签_b_提示", "分组框2", {272, 24, 232, 24}, captionNote),
            pathBoxRow("b3", "分组框2"),
            copyButtonRow("按钮2", "分组框2", copyHandler(templateB)),
            captionRow("b1", 1, {144, 208, 224, 48}, "谁给你的勇气？"),

            // Page "C": template C (its temporary file is the lower-case "c1.jpg").
            pictureRow("C", 2, {112, 56, 304, 182}, pictures::C, displayModeNatural),
            propertiesRow("分组框3", 2),
            noteRow("标签_C_第一句", "分组框3", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("C2", "分组框3", {80, 24, 184, 24}, "我读书多我不骗你", "C1"),
            noteRow("标签_C_提示", "分组框3", {272, 24, 232, 24}, captionNote),
            pathBoxRow("C3", "分组框3"),
            copyButtonRow("按钮3", "分组框3", copyHandler(templateC)),
            captionRow("C1", 2, {216, 96, 224, 48}, "我读书多我不骗你"),

            // Page "D": template d (its path box is the capital "D3").
            pictureRow("d", 3, {160, 29, 200, 235}, pictures::d, displayModeNatural),
            propertiesRow("分组框4", 3),
            noteRow("标签_d_第一句", "分组框4", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("d2", "分组框4", {80, 24, 184, 24}, "放肆 谁让你发图了", "d1"),
            noteRow("标签_d_提示", "分组框4", {272, 24, 232, 24}, captionNote),
            pathBoxRow("D3", "分组框4"),
            copyButtonRow("按钮4", "分组框4", copyHandler(templateD)),
            captionRow("d1", 3, {152, 40, 224, 48}, "放肆 谁让你发图了"),

            // Page "E": template e.
            pictureRow("e", 4, {12, 40, 512, 216}, pictures::e, displayModeNatural),
            propertiesRow("分组框5", 4),
            noteRow("标签_e_第一句", "分组框5", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("e2", "分组框5", {80, 24, 184, 24}, "天天拍桌子 吃屎了你", "e1"),
            noteRow("标签_e_提示", "分组框5", {272, 24, 232, 24}, captionNote),
            pathBoxRow("e3", "分组框5"),
            copyButtonRow("按钮5", "分组框5", copyHandler(templateE)),
            captionRow("e1", 4, {160, 72, 224, 48}, "天天拍桌子 吃屎了你"),

            // Page "F": template F.
            pictureRow("F", 5, {120, 56, 284, 168}, pictures::F, displayModeNatural),
            propertiesRow("分组框6", 5),
            noteRow("标签_F_第一句", "分组框6", {16, 24, 56, 24}, "第一句话"),
            captionEditRow("F2", "分组框6", {80, 24, 184, 24}, "你敢再说一百次试试？", "F1"),
            noteRow("标签_F_提示", "分组框6", {272, 24, 232, 24}, captionNote),
            pathBoxRow("F3", "分组框6"),
            copyButtonRow("按钮6", "分组框6", copyHandler(templateF)),
            captionRow("F1", 5, {212, 61, 224, 48}, "你敢再说一百次试试？"),

            // Page "G" holds nothing.
        }};
    return definition;
}

} // namespace zanvik
