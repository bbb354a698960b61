#include "sjis_text.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tavu::sjis {

namespace {

// iconv handle for one direction, closed when done.
class Converter {
public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv: code page 932 is not available");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns false at the first byte that does not convert,
    // leaving `in` pointing at it.
    bool convert(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // fresh shift state for every text
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            int error = errno;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<std::size_t>(-1) && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

// Opening a converter loads the code page tables: keep one per direction and thread.
std::string toUtf8(std::string_view sjisBytes) {
    thread_local Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(sjisBytes.size() * 3 / 2);
    while (!converter.convert(sjisBytes, out)) {
        out += "\xEF\xBF\xBD"; // U+FFFD for the byte that does not decode
        sjisBytes.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    if (!converter.convert(utf8, out))
        return std::nullopt;
    return out;
}

std::string fromUtf8OrThrow(std::string_view utf8) {
    auto converted = fromUtf8(utf8);
    if (!converted)
        throw std::invalid_argument("text not representable in code page 932: " + std::string(utf8));
    return *converted;
}

} // namespace tavu::sjis
