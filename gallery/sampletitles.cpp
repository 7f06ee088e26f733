#include "gallery/sampletitles.h"

namespace zanvik::gallery {

const std::vector<std::string_view>& sampleTitles() {
    // The titles of the image server's sample pictures, in the order of its title file.
    static const std::vector<std::string_view> titles{
        "110吗这里有人装逼场面控制不住了",
        "duang的一下就冷场了就像加了特效一样",
        "duang的一下，很亮，很柔",
        "一句话不说上去就是一锤子",
        "我只想安静地做个美男子",
        "你这样是要被打的",
        "我竟无言以对",
        "吓得我手机都掉了",
        "宝宝心里苦但宝宝不说",
        "这很科学",
        "我读书少你别骗我",
        "我也是醉了",
        "不明觉厉",
        "感觉身体被掏空",
        "心好累",
        "我的内心毫无波动",
        "你开心就好",
        "图样图森破",
        "然而并没有什么用",
        "厉害了我的哥",
        "还有这种操作",
        "我先干为敬",
        "友谊的小船说翻就翻",
        "我就静静地看着你装",
        "吃瓜群众表示围观",
        "小伙子你很有想法",
        "请开始你的表演",
        "一脸懵逼",
        "好气哦但还是要保持微笑",
        "睡什么睡起来嗨",
    };
    return titles;
}

} // namespace zanvik::gallery
