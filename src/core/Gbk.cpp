#include "core/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <string_view>

namespace {
QByteArray convert(const QByteArray& input, const char* to, const char* from, char replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return input;
    QByteArray output;
    output.reserve(input.size() * 2 + 8);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[512];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<qsizetype>(out - buffer));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An unconvertible or broken sequence: replace one input unit and go on.
            output.append(replacement);
            const size_t skip = (errno == EILSEQ || errno == EINVAL) ? 1 : inLeft;
            in += skip;
            inLeft -= skip;
            if (std::string_view(from) == "UTF-8") {
                while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80) {
                    ++in;
                    --inLeft;
                }
            }
        }
    }
    iconv_close(cd);
    return output;
}
}

namespace Gbk {
QByteArray encode(const QString& text) { return convert(text.toUtf8(), "GBK", "UTF-8", '?'); }
QString decode(const QByteArray& bytes) { return QString::fromUtf8(convert(bytes, "UTF-8", "GBK", '?')); }
}
