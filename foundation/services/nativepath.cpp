#include "foundation/services/nativepath.h"

#include "foundation/values/gbkcodec.h"

namespace zanvik::services {

std::string nativePath(const Text& path) {
    return utf8FromGbk(path);
}

Text pathTextFromNative(const std::string& native) {
    Text gbk = gbkFromUtf8(native);
    if (utf8FromGbk(gbk) != native) {
        return {};
    }
    return gbk;
}

} // namespace zanvik::services
