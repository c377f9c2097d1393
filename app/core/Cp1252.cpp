#include "Cp1252.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace cp1252 {
namespace {

struct Tables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, unsigned char> fromUnicode;

    Tables()
    {
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString ch = decoder.decode(QByteArrayView(&byte, 1));
            // ICU maps every byte to exactly one character; fall back to the
            // Latin-1 value so a codec without the table still round-trips.
            toUnicode[b] = ch.size() == 1 ? ch.at(0).unicode() : char16_t(b);
            fromUnicode.insert(toUnicode[b], static_cast<unsigned char>(b));
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    const auto &map = tables().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (char c : bytes)
        *dst++ = QChar(map[static_cast<unsigned char>(c)]);
    return out;
}

std::optional<QByteArray> encode(const QString &text)
{
    const auto &map = tables().fromUnicode;
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (QChar ch : text) {
        const auto it = map.constFind(ch.unicode());
        if (it == map.constEnd())
            return std::nullopt;
        *dst++ = char(it.value());
    }
    return out;
}

bool canEncode(const QString &text)
{
    return encode(text).has_value();
}

QChar charFor(unsigned char code)
{
    return QChar(tables().toUnicode[code]);
}

} // namespace cp1252
