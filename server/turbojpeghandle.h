#pragma once

#include <turbojpeg.h>

namespace zanvik::server {

// Owns one libjpeg-turbo decompressor; false when it could not be made.
class TurboJpegHandle final {
public:
    TurboJpegHandle() : handle_(tjInitDecompress()) {}
    ~TurboJpegHandle() {
        if (handle_ != nullptr) {
            tjDestroy(handle_);
        }
    }
    TurboJpegHandle(const TurboJpegHandle&) = delete;
    TurboJpegHandle& operator=(const TurboJpegHandle&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    tjhandle get() const { return handle_; }

private:
    tjhandle handle_;
};

} // namespace zanvik::server
