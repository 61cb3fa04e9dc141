#include "chinese/gb_punctuation.h"

namespace qml {

namespace {

constexpr GbPunctuation kGbPunctuation[] = {
    {0xA1A2, 0xA142},  // 、 -> 、
    {0xA1A3, 0xA143},  // 。 -> 。
    {0xA1A4, 0xA14F},  // · -> ﹒
    {0xA1AA, 0xA158},  // — -> —
    {0xA1AB, 0xA1E3},  // ～ -> ～
    {0xA1AD, 0xA14B},  // … -> …
    {0xA1AE, 0xA179},  // ‘ -> 『
    {0xA1AF, 0xA17A},  // ’ -> 』
    {0xA1B0, 0xA175},  // “ -> 「
    {0xA1B1, 0xA176},  // ” -> 」
    {0xA1B6, 0xA16D},  // 《 -> 《
    {0xA1B7, 0xA16E},  // 》 -> 》
    {0xA3A1, 0xA149},  // ！
    {0xA3A3, 0xA1AD},  // ＃
    {0xA3A4, 0xA244},  // ￥
    {0xA3A5, 0xA248},  // ％
    {0xA3A8, 0xA15D},  // （
    {0xA3A9, 0xA15E},  // ）
    {0xA3AA, 0xA1AF},  // ＊
    {0xA3AB, 0xA1CF},  // ＋
    {0xA3AC, 0xA141},  // ，
    {0xA3AD, 0xA1D0},  // －
    {0xA3AF, 0xA1FE},  // ／
    {0xA3B0, 0xA2AF},  // ０
    {0xA3B1, 0xA2B0},  // １
    {0xA3B2, 0xA2B1},  // ２
    {0xA3B3, 0xA2B2},  // ３
    {0xA3B4, 0xA2B3},  // ４
    {0xA3B5, 0xA2B4},  // ５
    {0xA3B6, 0xA2B5},  // ６
    {0xA3B7, 0xA2B6},  // ７
    {0xA3B8, 0xA2B7},  // ８
    {0xA3B9, 0xA2B8},  // ９
    {0xA3BA, 0xA147},  // ：
    {0xA3BB, 0xA146},  // ；
    {0xA3BD, 0xA1D7},  // ＝
    {0xA3BF, 0xA148},  // ？
    {0xA3DB, 0xA165},  // ［ -> 〔
    {0xA3DD, 0xA166},  // ］ -> 〕
    {0xA3E0, 0xA1BC},  // ｀ -> □
    {0xA3FB, 0xA161},  // ｛
    {0xA3FC, 0xA155},  // ｜
    {0xA3FD, 0xA162},  // ｝
};

constexpr PunctuationIndex BuildIndex() {
    PunctuationIndex index{};
    for (const GbPunctuation& row : kGbPunctuation)
        index[static_cast<size_t>(PunctuationSlot(row.gb >> 8, row.gb & 0xFF))] = row.big5;
    return index;
}

}  // namespace

// Built at compile time, so no use of it can come before it exists.
constexpr PunctuationIndex kGbPunctuationIndex = BuildIndex();

}  // namespace qml
