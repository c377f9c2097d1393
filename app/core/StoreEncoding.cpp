#include "StoreEncoding.h"

#include "Cp1252.h"

#include <cstdint>
#include <cstring>

namespace storeencoding {

bool isValidUtf8(QByteArrayView bytes, bool *multiByte)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    bool sawMultiByte = false;
    while (p < end) {
        // Eight ASCII bytes at a time: most of any store is ASCII.
        if (end - p >= 8) {
            std::uint64_t block;
            std::memcpy(&block, p, 8);
            if ((block & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // the second byte's range
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // no overlong forms
            else if (lead == 0xED)
                high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (end - p < length || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
        }
        sawMultiByte = true;
        p += length;
    }
    if (multiByte)
        *multiByte = sawMultiByte;
    return true;
}

StoreEncoding detect(QByteArrayView bytes)
{
    if (bytes.startsWith(Mark))
        return StoreEncoding::Utf8WithMark;
    bool multiByte = false;
    return isValidUtf8(bytes, &multiByte) && multiByte ? StoreEncoding::Utf8 : StoreEncoding::Windows1252;
}

bool isUtf8(StoreEncoding encoding)
{
    return encoding != StoreEncoding::Windows1252;
}

QString decodeLine(QByteArrayView line, StoreEncoding encoding)
{
    if (isUtf8(encoding) && isValidUtf8(line))
        return QString::fromUtf8(line);
    return cp1252::decode(line);
}

std::optional<QByteArray> encodeLine(const QString &text, StoreEncoding encoding)
{
    if (isUtf8(encoding))
        return text.toUtf8();
    return cp1252::encode(text);
}

QString comparable(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

bool sameText(const QString &a, const QString &b)
{
    return SameTextAs(a)(b);
}

} // namespace storeencoding
