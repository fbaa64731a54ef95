#include "UnitGaugeText.h"

#include "UnitLanguage.h"

namespace {

// Pinyin letters with tone marks and the gauge codes that hold them.
struct TPinyin {
    unsigned char Byte;
    char16_t Letter;
};
constexpr TPinyin Pinyin[] = {
    {0x0E, 0x0101}, {0x0F, 0x0113}, {0x02, 0x012B}, {0x11, 0x014D}, {0x12, 0x016B}, {0x13, 0x01D6}, {0x03, 0x01D8},
    {0x04, 0x01CE}, {0x05, 0x011B}, {0x1D, 0x01D0}, {0x18, 0x01D2}, {0x19, 0x01D4}, {0x1A, 0x01DA}, {0x1E, 0x01DC},
};

bool IsFramingByte(unsigned code)
{
    return code == 0x01 || code == 0x06 || code == 0x07 || code == 0x14 || code == 0x15 || code == 0x17 || code == 0x1C;
}

// Full-width form of a half-width katakana character; the two sound marks become the spacing
// marks U+309B and U+309C rather than the combining ones.
char16_t WidenKatakana(char16_t c)
{
    if (c == 0xFF9E)
        return 0x309B;
    if (c == 0xFF9F)
        return 0x309C;
    const QString decomposition = QChar(c).decomposition();
    return decomposition.size() == 1 ? decomposition[0].unicode() : c;
}

} // namespace

unsigned CurrentPrimaryLanguage() { return TLocalization::Instance().CurrentLocaleId() & 0x3FF; }

QString GaugeToPcText(const QByteArray &bytes, unsigned primaryLanguage)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (primaryLanguage == LangJapanese) {
            if (b == 0x90)
                text += QLatin1Char('=');
            else if (b >= 0xF7 && b <= 0xFA) {
                text += QChar(char16_t(0x30EF + (b - 0xF7)));
                text += QChar(char16_t(0x309B));
            }
            else if (b >= 0x8E && b <= 0x8F)
                text += QChar(char16_t(0x309B + (b - 0x8E)));
            else if (b >= 0x91 && b <= 0x95)
                text += QChar(char16_t(0x30A1 + (b - 0x91)));
            else if (b >= 0xA6 && b <= 0xFE)
                text += QChar(char16_t(0x30A6 + (b - 0xA6)));
            else
                text += QChar(char16_t(b));
        } else if (primaryLanguage == LangChinese) {
            char16_t letter = b;
            for (const TPinyin &p : Pinyin)
                if (p.Byte == b)
                    letter = p.Letter;
            text += QChar(letter);
        } else {
            text += QChar(char16_t(b));
        }
    }
    return text;
}

QByteArray PcToGaugeText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar qc : text) {
        char16_t c = qc.unicode();
        if (c >= 0xFF65 && c <= 0xFF9F)
            c = WidenKatakana(c);
        if (c < 0x100) {
            if (!IsFramingByte(c))
                bytes += static_cast<char>(c);
        } else if (c >= 0x309B && c <= 0x309C) {
            bytes += static_cast<char>(0x8E + (c - 0x309B));
        } else if (c >= 0x30A0 && c <= 0x30A5) {
            bytes += static_cast<char>(0x90 + (c - 0x30A0));
        } else if (c >= 0x30A6 && c <= 0x30FE) {
            bytes += static_cast<char>(0xA6 + (c - 0x30A6));
        } else {
            for (const TPinyin &p : Pinyin)
                if (p.Letter == c)
                    bytes += static_cast<char>(p.Byte);
        }
    }
    return bytes;
}
