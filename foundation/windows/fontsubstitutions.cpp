#include "foundation/windows/fontsubstitutions.h"

#include "foundation/windows/qtstring.h"

#include <QFont>
#include <QStringList>

namespace zanvik {
namespace {

// The system's default GUI font on a Chinese system: SimSun with 12-pixel characters.
constexpr std::string_view defaultGuiFace = "SimSun";
constexpr int defaultGuiHeight = 12;

} // namespace

void installFontSubstitutions() {
    const QStringList sansChinese{"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback",
                                  "DejaVu Sans"};
    for (const char* face : {"微软雅黑", "Microsoft YaHei", "SimSun", "宋体", "NSimSun", "新宋体",
                             "MS Shell Dlg", "MS Shell Dlg 2"}) {
        QFont::insertSubstitutions(QString::fromUtf8(face), sansChinese);
    }
    QFont::insertSubstitutions(qstringFromUtf8(brushScriptFace),
                               {"AR PL KaitiM GB", "AR PL UKai CN", "WenQuanYi Micro Hei"});
    QFont::insertSubstitutions("Comic Sans MS",
                               {"Comic Neue", "DejaVu Sans", "WenQuanYi Micro Hei"});
}

QFont fontFromSpec(const std::optional<FontSpec>& spec) {
    const FontSpec used =
        spec.value_or(FontSpec{.face = defaultGuiFace, .height = defaultGuiHeight});
    QFont font(qstringFromUtf8(used.face));
    font.setPixelSize(used.height > 0 ? used.height : defaultGuiHeight);
    font.setWeight(used.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(used.italic);
    return font;
}

} // namespace zanvik
