# Writes a C++ source that holds the sample pictures of assets/samples as byte arrays, with
# their titles from titles.txt (UTF-8, one per line; the picture of line N is sampleNN.jpg).
# Run at build time: cmake -DSAMPLES=dir -DOUTPUT=file.cpp -P embedsamples.cmake
file(STRINGS ${SAMPLES}/titles.txt titles ENCODING UTF-8)
set(arrays "")
set(table "")
set(index 0)
foreach(title IN LISTS titles)
    math(EXPR index "${index} + 1")
    string(LENGTH "${index}" digits)
    if(digits EQUAL 1)
        set(number "0${index}")
    else()
        set(number "${index}")
    endif()
    file(READ ${SAMPLES}/sample${number}.jpg hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "constexpr std::uint8_t sample${number}[] = {${bytes}};\n")
    string(APPEND table "    {\"${title}\", sample${number}},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from assets/samples by server/embedsamples.cmake; do not edit.
#include \"server/samplepictures.h\"

namespace zanvik::server {
namespace {

${arrays}
constexpr SamplePicture samples[] = {
${table}};

} // namespace

std::span<const SamplePicture> samplePictures() { return samples; }

} // namespace zanvik::server
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
