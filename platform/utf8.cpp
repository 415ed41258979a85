// UTF-8 helpers: texts are cut only between characters, and key texts are
// turned into the character codes of WM_CHAR.
#include <cstring>

#include "platform/internal.h"

namespace core {

namespace {
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
}  // namespace

int CopyText(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    std::size_t count = text.size();
    if (count > static_cast<std::size_t>(size - 1)) {
        count = static_cast<std::size_t>(size - 1);
        // Back up over a character that would be split at the cut.
        while (count > 0 && IsContinuation(static_cast<unsigned char>(text[count]))) --count;
    }
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

std::vector<char32_t> DecodeUtf8(const char* text) {
    std::vector<char32_t> codes;
    if (text == nullptr) return codes;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        unsigned char lead = *p;
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0) {
            codes.push_back(0xFFFD);
            ++p;
            continue;
        }
        char32_t code = extra == 0 ? lead : (lead & (0x3F >> extra));
        int taken = 1;
        bool good = true;
        for (; taken <= extra; ++taken) {
            if (!IsContinuation(p[taken])) {
                good = false;
                break;
            }
            code = (code << 6) | (p[taken] & 0x3F);
        }
        codes.push_back(good ? code : 0xFFFD);
        p += taken;
    }
    return codes;
}

}  // namespace core
