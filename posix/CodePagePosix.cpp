// Code pages through iconv. A character the code page cannot hold becomes "?" (as Windows'
// conversion does) and the result says so; bytes that are not valid in the code page become
// "?" too on the way in, except a single-byte code page's unassigned bytes, which keep their
// byte value as a code point, as Windows maps them.
#include <errno.h>
#include <iconv.h>

#include <cstdio>

#include "common/Utf8.h"
#include "platform/CodePage.h"

namespace tallowen {
namespace {

class IconvPage final : public CodePage {
public:
    IconvPage(unsigned number, iconv_t in, iconv_t out) : number_(number), in_(in), out_(out) {}
    ~IconvPage() override {
        iconv_close(in_);
        iconv_close(out_);
    }
    unsigned Number() const override { return number_; }
    Converted ToUtf8(std::string_view bytes) const override { return Run(in_, bytes, true); }
    Converted FromUtf8(std::string_view utf8) const override { return Run(out_, utf8, false); }

private:
    Converted Run(iconv_t cd, std::string_view src, bool decoding) const {
        Converted result;
        // Both code pages keep ASCII as it is; most lines of the files are nothing else.
        bool ascii = true;
        for (char c : src) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii) {
            result.text.assign(src);
            return result;
        }
        result.text.reserve(src.size() * (decoding ? 2 : 1));
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char* inp = const_cast<char*>(src.data());
        size_t inLeft = src.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outp = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
            result.text.append(buffer, size_t(outp - buffer));
            if (rc != size_t(-1) || errno == E2BIG) continue;
            // An unconvertible, malformed or cut-off character: replace it and go on after it,
            // a malformed one cut where the rest of the program cuts it (common/Utf8.h).
            unsigned char c = static_cast<unsigned char>(*inp);
            size_t skip = decoding ? 1 : FirstUtf8Char(std::string_view(inp, inLeft)).bytes.size();
            if (decoding && number_ != 932 && c >= 0x80) {
                AppendUtf8(result.text, c);
            } else {
                result.text += '?';
                result.lossy = true;
            }
            inp += skip;
            inLeft -= skip;
        }
        return result;
    }

    unsigned number_;
    iconv_t in_, out_;
};

}  // namespace

unsigned DefaultCodePageNumber() {
    return 1252;
}

std::unique_ptr<CodePage> OpenCodePage(unsigned number) {
    char name[32];
    std::snprintf(name, sizeof name, number == 932 ? "CP932" : "CP%u", number);
    iconv_t in = iconv_open("UTF-8", name);
    if (in == iconv_t(-1)) return nullptr;
    iconv_t out = iconv_open(name, "UTF-8");
    if (out == iconv_t(-1)) {
        iconv_close(in);
        return nullptr;
    }
    return std::make_unique<IconvPage>(number, in, out);
}

}  // namespace tallowen
