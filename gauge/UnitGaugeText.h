#pragma once
// The gauge's single-byte character set and the program's text: Japanese katakana and Chinese
// pinyin letters live in the gauge at codes of their own.
#include <QByteArray>
#include <QString>

// Primary language identifiers that change how gauge text reads.
constexpr unsigned LangJapanese = 0x11;
constexpr unsigned LangChinese = 0x04;

// Primary language of the user-interface language currently selected.
unsigned CurrentPrimaryLanguage();

// Gauge bytes to text: katakana for Japanese, pinyin letters for Chinese, the bytes as they are
// (Latin-1) for every other language.
QString GaugeToPcText(const QByteArray &bytes, unsigned primaryLanguage);

// Text to gauge bytes, in every language: half-width katakana widened, katakana and pinyin
// letters to their gauge codes, codes below 256 as they are, anything else dropped. The line's
// framing bytes are dropped too, so no text can break a packet.
QByteArray PcToGaugeText(const QString &text);
